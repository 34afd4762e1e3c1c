#include "fonts/FaceNameReader.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "files/FileAccess.h"
#include "files/Paths.h"
#include "files/ProgramFolder.h"
#include "fonts/FontResourceBuilder.h"
#include "fonts/FontResourceScan.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace {
// Opens the built resource file so that it is deleted when it is closed,
// however reading it ends: a file left behind would make every later build
// fail. A file that cannot be opened so is deleted at once, and the handle
// is empty with the reason in GetLastError.
FileHandle openToReadOnce(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!file) {
        DWORD error = GetLastError();
        DeleteFileW(path.c_str());
        SetLastError(error);
    }
    return file;
}

std::string readAllRaw(const FileHandle& file) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) raiseLastError();
    if (size.QuadPart > MAXDWORD) raiseError(err::OutOfMemory);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    if (!readExactly(file.get(), 0, bytes.data(), bytes.size())) raiseLastError();
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

std::wstring userTempFolder() {
    std::wstring folder(MAX_PATH + 1, L'\0');
    DWORD length = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    folder.resize(length <= folder.size() ? length : 0);
    return folder;
}

// The resource file read at resourcePath; nothing when it could not be
// built or opened there for a reason of the place rather than of the font
// (the builder says ERROR_BAD_FORMAT for the font's own failures).
std::optional<std::wstring> readFaceNameAt(const std::wstring& fontPath, const FontResourceBuilderFn& build,
                                           const std::wstring& resourcePath) {
    SetLastError(ERROR_SUCCESS);
    if (!build(1, resourcePath.c_str(), fontPath.c_str(), nullptr)) {
        if (GetLastError() == ERROR_BAD_FORMAT) return std::wstring();
        return std::nullopt;
    }
    FileHandle built = openToReadOnce(resourcePath);
    if (!built) return std::nullopt;
    return nameFrom(readAllRaw(built));
}

}  // namespace

std::wstring tempFontResourcePath() { return joinPath(programFolder(), TempFontResourceName); }

std::wstring readFaceName(const std::wstring& fontPath, const std::wstring& resourcePath) {
    return readFaceNameWith(fontPath, createScalableFontResource, resourcePath);
}

std::wstring readFaceNameWith(const std::wstring& fontPath, const FontResourceBuilderFn& build,
                              const std::wstring& resourcePath) {
    if (!build(1, resourcePath.c_str(), fontPath.c_str(), nullptr)) return {};
    FileHandle built = openToReadOnce(resourcePath);
    if (!built) raiseLastError();
    return nameFrom(readAllRaw(built));
}

FaceNameReader::FaceNameReader()
    : folderMark_(programFolder()),
      besidePath_(tempFontResourcePath()),
      ownPath_(joinPath(userTempFolder(), L"~TEMP" + std::to_wstring(GetCurrentProcessId()) + L".FOT")) {
    if (!folderMark_.heldByAnother()) removeFile(besidePath_);
    // A process of the same id before this one may have left it.
    removeFile(ownPath_);
}

std::wstring FaceNameReader::read(const std::wstring& fontPath, const FontResourceBuilderFn& build) const {
    if (auto beside = readFaceNameAt(fontPath, build, besidePath_)) return *beside;
    return readFaceNameWith(fontPath, build, ownPath_);
}
