#include "fonts/FontFace.h"

#include <algorithm>

#include "fonts/TrueTypeMetrics.h"
#include "fonts/TrueTypeNames.h"
#include "runtime/Text.h"

std::optional<FontFace> readFontFace(const FontTables& tables) {
    auto family = tables.name ? readWindowsFamilyName(*tables.name) : std::nullopt;
    if (!family) return std::nullopt;
    // The OS/2 table's weight and italic bit, where present, as GDI reads them.
    TrueTypeMetrics metrics = readTrueTypeMetrics(tables);
    FontFace face;
    face.family.assign(family->begin(), family->begin() + std::min(family->size(), FontNameLimit));
    face.weight = metrics.weight;
    face.italic = metrics.italic;
    return face;
}
