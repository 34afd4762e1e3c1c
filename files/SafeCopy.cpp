#include "files/SafeCopy.h"

#include <windows.h>

#include <optional>
#include <string>

#include "files/FileAccess.h"
#include "files/FileIdentity.h"
#include "files/FileNames.h"
#include "files/Folders.h"
#include "files/Paths.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"

namespace {
bool exists(DWORD attributes) { return attributes != INVALID_FILE_ATTRIBUTES; }

bool isNumber(const std::wstring& text) {
    return !text.empty() && text.find_first_not_of(L"0123456789") == std::wstring::npos;
}

// The process whose temporary copy a name "~kw<process id>_<n>.tmp" is.
std::optional<DWORD> copyingProcessOf(const std::wstring& name) {
    const std::wstring prefix = L"~kw", suffix = L".tmp";
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        !sameNameNoCase(name.substr(name.size() - suffix.size()), suffix))
        return std::nullopt;
    std::wstring middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    size_t underscore = middle.find(L'_');
    if (underscore == std::wstring::npos || underscore > 10) return std::nullopt;
    std::wstring process = middle.substr(0, underscore);
    if (!isNumber(process) || !isNumber(middle.substr(underscore + 1))) return std::nullopt;
    unsigned long long id = std::stoull(process);
    if (id > MAXDWORD) return std::nullopt;
    return static_cast<DWORD>(id);
}

bool processRuns(DWORD process) {
    Handle<HANDLE, CloseHandleFn> handle(OpenProcess(SYNCHRONIZE, FALSE, process));
    // A process that exists but may not be opened runs all the same.
    if (!handle) return GetLastError() != ERROR_INVALID_PARAMETER;
    return WaitForSingleObject(handle.get(), 0) == WAIT_TIMEOUT;
}

// A process killed mid-copy leaves its temporary copy behind; a copy of a
// process that still runs may be in progress and stays.
void removeStaleCopies(const std::wstring& folder) {
    for (const FolderEntry& entry : listEntries(folder)) {
        auto process = copyingProcessOf(entry.name);
        if (process && !(entry.attributes & FILE_ATTRIBUTE_DIRECTORY) && !processRuns(*process))
            removeFile(joinPath(folder, entry.name));
    }
}

// The installed copy is an ordinary file: the copy carries the source's
// read-only, hidden and system attributes, and a read-only copy would
// refuse its next update.
void makeOrdinaryFile(const std::wstring& path) {
    const DWORD carried = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (!exists(attributes)) raiseLastError();
    if (!(attributes & carried)) return;
    DWORD ordinary = attributes & ~carried;
    if (!SetFileAttributesW(path.c_str(), ordinary ? ordinary : FILE_ATTRIBUTE_NORMAL)) raiseLastError();
}

// A copy of the source under a new, unique name in the target's folder,
// holding the new bytes until they replace the target; removed unless it
// was moved into place.
class TemporaryCopy {
public:
    TemporaryCopy(const std::wstring& source, const std::wstring& folder) {
        DWORD serial = GetTickCount();
        for (int attempt = 0; attempt < 1000; ++attempt, ++serial) {
            std::wstring path = joinPath(folder, L"~kw" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                                     std::to_wstring(serial) + L".tmp");
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
        makeOrdinaryFile(path_);
        if (!MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            raiseLastError();
        path_.clear();
    }

private:
    std::wstring path_;
};
}  // namespace

void requireSourceFile(const std::wstring& source) {
    if (exists(GetFileAttributesW(source.c_str()))) return;
    int number = errorNumberFromWin32(GetLastError());
    raiseError(number == err::PathNotFound || number == err::DeviceUnavailable ? err::FileNotFound : number);
}

void ensureFolder(const std::wstring& folder) {
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (exists(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    if (!CreateDirectoryW(folder.c_str(), nullptr)) raiseLastError();
}

void copyFileSafely(const std::wstring& source, const std::wstring& target, const KeepAside& keepAside) {
    requireSourceFile(source);
    if (isSameFile(source, target)) return;
    DWORD targetAttributes = GetFileAttributesW(target.c_str());
    if (exists(targetAttributes)) {
        // Refused here because Wine's MoveFileExW would replace a read-only
        // file, and a process running as root ignores file permissions.
        if (targetAttributes & FILE_ATTRIBUTE_READONLY) raiseError(err::PermissionDenied);
        if (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) raiseError(err::PathFileAccess);
    }
    std::wstring folder = folderOf(target);
    removeStaleCopies(folder);
    TemporaryCopy copy(source, folder);
    std::optional<std::wstring> kept;
    if (keepAside && exists(targetAttributes)) kept = keepAside(target);
    try {
        copy.moveTo(target);
    } catch (const RuntimeError&) {
        if (kept) MoveFileExW(kept->c_str(), target.c_str(), 0);
        throw;
    }
}
