#include "runtime/SafeCopy.h"

#include <windows.h>

#include <optional>

#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"

namespace {
bool exists(DWORD attributes) { return attributes != INVALID_FILE_ATTRIBUTES; }

// The folder part of a path, ready for a name to be appended: "C:\a\"
// for "C:\a\x.ttf", "C:" for "C:x.ttf", empty for a bare name.
std::wstring folderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) return path.substr(0, slash + 1);
    if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
    return {};
}

struct FileIdentity {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    if (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::wstring fullPath(const std::wstring& path) {
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    full.resize(length);
    return full;
}

// Two names of one file. The file index decides where the file system has
// one: on a case-sensitive file system "A.ttf" and "a.ttf" are two files.
bool isSameFile(const std::wstring& a, const std::wstring& b) {
    std::optional<FileIdentity> first = identityOf(a);
    std::optional<FileIdentity> second = identityOf(b);
    if (first && second) return *first == *second;
    std::wstring fullA = fullPath(a), fullB = fullPath(b);
    return CompareStringOrdinal(fullA.c_str(), static_cast<int>(fullA.size()), fullB.c_str(),
                                static_cast<int>(fullB.size()), TRUE) == CSTR_EQUAL;
}

void removeFile(const std::wstring& path) {
    // A copy of a read-only source is read-only and would not delete.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

// A copy of the source under a new, unique name in the target's folder,
// holding the new bytes until they replace the target; removed unless it
// was moved into place.
class TemporaryCopy {
public:
    TemporaryCopy(const std::wstring& source, const std::wstring& folder) {
        DWORD serial = GetTickCount();
        for (int attempt = 0; attempt < 1000; ++attempt, ++serial) {
            std::wstring path = folder + L"~kw" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                std::to_wstring(serial) + L".tmp";
            if (CopyFileW(source.c_str(), path.c_str(), TRUE)) {
                path_ = path;
                return;
            }
            DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            // A copy that failed part way may leave what it wrote so far.
            removeFile(path);
            raiseError(errorNumberFromWin32(error));
        }
        raiseError(err::PathFileAccess);
    }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;
    ~TemporaryCopy() {
        if (!path_.empty()) removeFile(path_);
    }
    void moveTo(const std::wstring& target) {
        if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            raiseLastError();
        path_.clear();
    }

private:
    std::wstring path_;
};
}  // namespace

void ensureFolder(const std::wstring& folder) {
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (exists(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (!CreateDirectoryW(folder.c_str(), nullptr)) raiseLastError();
}

void copyFileSafely(const std::wstring& source, const std::wstring& target) {
    if (!exists(GetFileAttributesW(source.c_str()))) raiseLastError();
    if (isSameFile(source, target)) return;
    DWORD targetAttributes = GetFileAttributesW(target.c_str());
    if (exists(targetAttributes)) {
        // Refused here because Wine's MoveFileExW would replace a read-only
        // file, and a process running as root ignores file permissions.
        if (targetAttributes & FILE_ATTRIBUTE_READONLY) raiseError(err::PermissionDenied);
        if (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) raiseError(err::PathFileAccess);
    }
    TemporaryCopy copy(source, folderOf(target));
    copy.moveTo(target);
}
