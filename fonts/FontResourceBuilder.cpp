#include "fonts/FontResourceBuilder.h"

#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/Paths.h"
#include "fonts/FontCheck.h"
#include "fonts/FontDescription.h"
#include "fonts/FontFile.h"
#include "fonts/FontFileTables.h"
#include "fonts/FontResourceLayout.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace {
std::wstring fontFilePath(const wchar_t* fontFile, const wchar_t* currentPath) {
    std::wstring path = fontFile;
    if (currentPath && *currentPath) path = joinPath(currentPath, path);
    return path;
}

std::string ansi(const std::u16string& text) {
    return toAnsi(std::wstring(text.begin(), text.end()));
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
    DWORD error = whole ? ERROR_SUCCESS : GetLastError();
    // A short write without an error is a full disk too.
    if (!whole && error == ERROR_SUCCESS) error = ERROR_DISK_FULL;
    file.reset();
    if (!whole) DeleteFileW(path.c_str());
    SetLastError(error);
    return whole;
}

bool buildFontResource(const FontTables& font, DWORD hidden, const wchar_t* resourceFile,
                       const wchar_t* fontFile) {
    auto contents = describeFont(font, hidden != 0, toAnsi(fontFile), ansi);
    std::vector<unsigned char> bytes = contents ? layOutFontResource(*contents) : std::vector<unsigned char>{};
    if (bytes.empty()) {
        SetLastError(ERROR_BAD_FORMAT);
        return false;
    }
    return writeNewFile(resourceFile, bytes);
}

// A status-returning call, like the platform's: running out of memory is a
// failure to build; anything else thrown is a fault of the program and
// reaches the caller's guard.
template <class Build>
int buildGuarded(Build&& build) {
    try {
        return build() ? 1 : 0;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
}
}  // namespace

int createScalableFontResource(DWORD hidden, const wchar_t* resourceFile, const wchar_t* fontFile,
                               const wchar_t* currentPath) {
    if (!resourceFile || !fontFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return buildGuarded([&] {
        auto font = FontFileTables::load(fontFilePath(fontFile, currentPath));
        if (!font) {
            SetLastError(ERROR_BAD_FORMAT);
            return false;
        }
        return buildFontResource(font->tables(), hidden, resourceFile, fontFile);
    });
}

int createFontResource(const FontTables& font, DWORD hidden, const wchar_t* resourceFile,
                               const wchar_t* fontFile) {
    return buildGuarded([&] { return buildFontResource(font, hidden, resourceFile, fontFile); });
}

void requireSoundFont(const std::wstring& fontFile) {
    // Opened once on its own so that a file that cannot be opened reports
    // why, instead of passing for a file that is not a font.
    if (!FontFile(fontFile).isOpen()) raiseLastError();
    auto font = FontFileTables::load(fontFile);
    bool sound = font && describeFont(font->tables(), false, {}, ansi) &&
                 checkFontStructure(font->tables());
    if (!sound) raiseError(err::InvalidFileFormat);
}
