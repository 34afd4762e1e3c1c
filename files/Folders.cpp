#include "files/Folders.h"

#include "files/FileNames.h"
#include "files/Paths.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"

namespace {
bool isFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring searchPattern(const std::wstring& folder) { return joinPath(folder, L"*"); }

// A drive whose root cannot be read is unavailable, whatever the reason the
// file system gives (Wine answers a missing medium with "path not found").
[[noreturn]] void raiseListingError(const std::wstring& folder, DWORD error) {
    if (isDriveRoot(folder)) raiseError(err::DeviceUnavailable);
    raiseError(errorNumberFromWin32(error));
}

// Starts listing a folder: the handle holds the first entry in found, or is
// empty when the folder exists but has no entry at all.
FindHandle startListing(const std::wstring& folder, WIN32_FIND_DATAW& found) {
    FindHandle find(FindFirstFileExW(searchPattern(folder).c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (find) return find;
    DWORD error = GetLastError();
    // An empty drive root has no "." entry, so nothing matches at all.
    if (error == ERROR_FILE_NOT_FOUND && isFolder(folder)) return find;
    raiseListingError(folder, error);
}

bool isDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}
}  // namespace

std::vector<FolderEntry> listEntries(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    FindHandle find = startListing(folder, found);
    std::vector<FolderEntry> entries;
    if (!find) return entries;
    do {
        if (!isDotEntry(found.cFileName)) entries.push_back({found.cFileName, found.dwFileAttributes});
    } while (FindNextFileW(find.get(), &found));
    DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) raiseListingError(folder, error);
    return entries;
}

std::optional<std::wstring> fullPathName(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return std::nullopt;
    std::wstring full(size, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return std::nullopt;
    full.resize(length);
    return full;
}

std::wstring currentFolder() {
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    return folder;
}

std::wstring currentFolderOfDrive(wchar_t letter) {
    std::wstring root = driveRoot(letter);
    WIN32_FIND_DATAW found;
    startListing(root, found);
    std::wstring drive = root.substr(0, 2);
    std::optional<std::wstring> full = fullPathName(drive);
    if (!full) return root;
    std::wstring path = withoutTrailingSeparators(*full);
    return isFolder(path) ? path : root;
}

std::vector<std::wstring> listSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const FolderEntry& entry : listEntries(folder))
        if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(entry.name);
    sortNoCase(names);
    return names;
}
