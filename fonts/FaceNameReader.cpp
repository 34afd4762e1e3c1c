#include "fonts/FaceNameReader.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "fonts/FontResourceBuilder.h"
#include "fonts/FontResourceScan.h"
#include "runtime/Handle.h"
#include "runtime/ProgramFolder.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace {
// Deletes the built resource file when reading it ends, however it ends:
// a file left behind would make every later build fail.
class DeleteOnExit {
public:
    explicit DeleteOnExit(std::wstring path) : path_(std::move(path)) {}
    DeleteOnExit(const DeleteOnExit&) = delete;
    DeleteOnExit& operator=(const DeleteOnExit&) = delete;
    ~DeleteOnExit() { DeleteFileW(path_.c_str()); }

private:
    std::wstring path_;
};

std::string readAllRaw(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) raiseLastError();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) raiseLastError();
    if (size.QuadPart > MAXDWORD) raiseError(err::OutOfMemory);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD total = 0;
    while (total < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &read,
                      nullptr))
            raiseLastError();
        if (read == 0) break;
        total += read;
    }
    bytes.resize(total);
    return bytes;
}

std::wstring nameFrom(const std::string& resource) {
    FontResourceScanResult scan = scanFontResourceName(resource);
    switch (scan.status) {
    case FontResourceScanStatus::StartOverflow: raiseError(err::Overflow);
    case FontResourceScanStatus::NoTerminator: raiseError(err::InvalidCall);
    case FontResourceScanStatus::Found: break;
    }
    return fromAnsi(scan.name);
}
}  // namespace

std::wstring tempFontResourcePath() {
    std::wstring folder = programFolder();
    // A drive root already ends in its separator.
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    return folder + TempFontResourceName;
}

std::wstring readFaceName(const std::wstring& fontPath) {
    return readFaceNameWith(fontPath, createScalableFontResource);
}

std::wstring readFaceNameWith(const std::wstring& fontPath, const FontResourceBuilderFn& build) {
    std::string tempAnsi = toAnsi(tempFontResourcePath());
    if (!build(1, tempAnsi.c_str(), toAnsi(fontPath).c_str(), nullptr)) return {};
    // The file lies where the ANSI path led the builder, which may differ
    // from the wide path when the folder's name has no exact ANSI form.
    std::wstring builtPath = fromAnsi(tempAnsi);
    DeleteOnExit cleanup(builtPath);
    return nameFrom(readAllRaw(builtPath));
}
