#include "files/Folders.h"

#include <cwctype>

#include "files/FileNames.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"

namespace {
bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool isDriveLetterPath(const std::wstring& path) {
    return path.size() >= 2 && path[1] == L':' && std::iswalpha(path[0]);
}

// Length of the root part of a path: "C:\" is 3, "\\server\share\" is the
// share with its separator; 0 when the path has no root of its own.
size_t rootLength(const std::wstring& path) {
    if (isDriveLetterPath(path)) return path.size() > 2 && isSeparator(path[2]) ? 3 : 2;
    if (path.size() > 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        size_t server = path.find_first_of(L"\\/", 2);
        if (server == std::wstring::npos) return path.size();
        size_t share = path.find_first_of(L"\\/", server + 1);
        return share == std::wstring::npos ? path.size() : share + 1;
    }
    return 0;
}

std::wstring withoutTrailingSeparators(std::wstring path) {
    while (path.size() > rootLength(path) && isSeparator(path.back())) path.pop_back();
    return path;
}

bool isFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring searchPattern(const std::wstring& folder) {
    if (!folder.empty() && isSeparator(folder.back())) return folder + L"*";
    return folder + L"\\*";
}

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

bool isDriveRoot(const std::wstring& path) {
    size_t root = rootLength(path);
    return root > 0 && withoutTrailingSeparators(path).size() == root;
}

std::wstring driveRoot(wchar_t letter) {
    return std::wstring(1, static_cast<wchar_t>(std::towupper(letter))) + L":\\";
}

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

std::vector<std::wstring> folderAncestors(const std::wstring& path) {
    std::wstring full = withoutTrailingSeparators(path);
    size_t root = rootLength(full);
    if (root == 0) return {full};
    std::wstring rootPath = full.substr(0, root);
    if (isDriveLetterPath(rootPath) && rootPath.size() == 2) rootPath += L'\\';
    std::vector<std::wstring> chain{rootPath};
    for (size_t end = full.find_first_of(L"\\/", root); ; end = full.find_first_of(L"\\/", end + 1)) {
        std::wstring folder = full.substr(0, end);
        if (folder.size() > chain.back().size() && !isSeparator(folder.back())) chain.push_back(folder);
        if (end == std::wstring::npos) break;
    }
    return chain;
}
