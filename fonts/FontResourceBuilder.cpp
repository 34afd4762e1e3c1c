#include "fonts/FontResourceBuilder.h"

#include <optional>
#include <string>
#include <vector>

#include "fonts/FontFileTables.h"
#include "fonts/FontResourceLayout.h"
#include "fonts/TrueTypeNames.h"
#include "runtime/Handle.h"
#include "runtime/Text.h"

namespace {
std::wstring fontFilePath(const char* fontFile, const char* currentPath) {
    std::string path = fontFile;
    if (currentPath && *currentPath) path = std::string(currentPath) + "\\" + path;
    return fromAnsi(path);
}

std::string ansi(const std::u16string& text) {
    return toAnsi(std::wstring(text.begin(), text.end()));
}

std::optional<FontResourceContents> describeFont(const FontTables& font, DWORD hidden,
                                                 const char* fontFile) {
    auto names = font.name ? readNameTable(*font.name) : std::nullopt;
    if (!names) return std::nullopt;
    FontResourceContents contents;
    contents.hidden = hidden != 0;
    contents.fontFile = fontFile;
    contents.faceName = ansi(names->faceName);
    contents.familyName = ansi(names->familyName);
    contents.metrics = readTrueTypeMetrics(font);
    return contents;
}

// Creates the file exclusively; on any failure to write it whole, removes
// it again, so that no partial resource file remains.
bool writeNewFile(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    bool whole = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
    file.reset();
    if (!whole) {
        DWORD error = GetLastError();
        DeleteFileW(path.c_str());
        SetLastError(error);
    }
    return whole;
}

bool buildFontResource(DWORD hidden, const char* resourceFile, const char* fontFile,
                       const char* currentPath) {
    auto font = FontFileTables::load(fontFilePath(fontFile, currentPath));
    auto contents = font ? describeFont(font->tables(), hidden, fontFile) : std::nullopt;
    if (!contents) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    std::vector<unsigned char> bytes = layOutFontResource(*contents);
    if (bytes.empty()) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return writeNewFile(fromAnsi(resourceFile), bytes);
}
}  // namespace

int createScalableFontResource(DWORD hidden, const char* resourceFile, const char* fontFile,
                               const char* currentPath) {
    if (!resourceFile || !fontFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // A status-returning call, like the platform's: nothing escapes it.
    try {
        return buildFontResource(hidden, resourceFile, fontFile, currentPath) ? 1 : 0;
    } catch (const std::exception&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}
