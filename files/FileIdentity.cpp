#include "files/FileIdentity.h"

#include <windows.h>

#include <optional>

#include "files/FileNames.h"
#include "files/Folders.h"
#include "runtime/Handle.h"

namespace {
std::wstring finalPathOf(HANDLE file) {
    DWORD length = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED);
    if (length == 0) return {};
    std::wstring path(length, L'\0');
    length = GetFinalPathNameByHandleW(file, path.data(), length, FILE_NAME_NORMALIZED);
    path.resize(length < path.size() ? length : 0);
    return path;
}

// A volume serial of 0 says nothing: under Wine every file system linked
// under a drive letter reports it, so equal file indexes on two of them
// are told apart by the file's final path.
struct FileIdentity {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
    std::wstring finalPath;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow &&
               (volume != 0 || sameNameNoCase(finalPath, other.finalPath));
    }
};

std::optional<FileIdentity> identityOf(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    if (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0) return std::nullopt;
    std::wstring finalPath = info.dwVolumeSerialNumber == 0 ? finalPathOf(file.get()) : std::wstring();
    if (info.dwVolumeSerialNumber == 0 && finalPath.empty()) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow, finalPath};
}
}  // namespace

// Two names of one file. The file index decides where the file system has
// one: on a case-sensitive file system "A.ttf" and "a.ttf" are two files.
bool isSameFile(const std::wstring& a, const std::wstring& b) {
    std::optional<FileIdentity> first = identityOf(a);
    std::optional<FileIdentity> second = identityOf(b);
    if (first && second) return *first == *second;
    return sameNameNoCase(fullPathName(a).value_or(a), fullPathName(b).value_or(b));
}
