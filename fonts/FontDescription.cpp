#include "fonts/FontDescription.h"

#include <utility>

#include "fonts/TrueTypeNames.h"

std::optional<FontResourceContents> describeFont(const FontTables& font, bool hidden, std::string fontFile,
                                                 const ToCodePage& toCodePage) {
    auto names = font.name ? readNameTable(*font.name) : std::nullopt;
    if (!names) return std::nullopt;
    FontResourceContents contents;
    contents.hidden = hidden;
    contents.fontFile = std::move(fontFile);
    contents.faceName = toCodePage(names->faceName);
    contents.familyName = toCodePage(names->familyName);
    contents.metrics = readTrueTypeMetrics(font);
    return contents;
}
