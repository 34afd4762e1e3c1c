#include "fonts/FontResourceBuilder.h"

#include <optional>
#include <string>
#include <vector>

#include "fonts/FontDescription.h"
#include "fonts/FontFileTables.h"
#include "fonts/FontResourceLayout.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace {
std::wstring fontFilePath(const wchar_t* fontFile, const wchar_t* currentPath) {
    std::wstring path = fontFile;
    if (currentPath && *currentPath) path = std::wstring(currentPath) + L"\\" + path;
    return path;
}

std::string ansi(const std::u16string& text) {
    return toAnsi(std::wstring(text.begin(), text.end()));
}

std::optional<FontResourceContents> describeFontFile(const std::wstring& path, DWORD hidden,
                                                     const wchar_t* fontFile) {
    auto font = FontFileTables::load(path);
    if (!font) return std::nullopt;
    return describeFont(font->tables(), hidden != 0, toAnsi(fontFile), ansi);
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

bool buildFontResource(DWORD hidden, const wchar_t* resourceFile, const wchar_t* fontFile,
                       const wchar_t* currentPath) {
    auto contents = describeFontFile(fontFilePath(fontFile, currentPath), hidden, fontFile);
    if (!contents) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    std::vector<unsigned char> bytes = layOutFontResource(*contents);
    if (bytes.empty()) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return writeNewFile(resourceFile, bytes);
}
}  // namespace

int createScalableFontResource(DWORD hidden, const wchar_t* resourceFile, const wchar_t* fontFile,
                               const wchar_t* currentPath) {
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

void requireBuildableFont(const std::wstring& fontFile) {
    // Opened once on its own so that a file that cannot be opened reports
    // why, instead of passing for a file that is not a font.
    FileHandle probe(CreateFileW(fontFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe) raiseLastError();
    probe.reset();
    if (!describeFontFile(fontFile, 0, fontFile.c_str())) raiseError(err::InvalidFileFormat);
}
