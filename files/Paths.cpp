#include "files/Paths.h"

#include <cwctype>
#include <vector>

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

size_t lastSeparator(const std::wstring& path) { return path.find_last_of(L"\\/"); }
}  // namespace

bool isDriveRoot(const std::wstring& path) {
    size_t root = rootLength(path);
    return root > 0 && withoutTrailingSeparators(path).size() == root;
}

std::wstring driveRoot(wchar_t letter) {
    return std::wstring(1, static_cast<wchar_t>(std::towupper(letter))) + L":\\";
}

std::wstring withoutTrailingSeparators(std::wstring path) {
    while (path.size() > rootLength(path) && isSeparator(path.back())) path.pop_back();
    return path;
}

std::wstring joinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || isSeparator(folder.back())) return folder + name;
    return folder + L"\\" + name;
}

std::wstring folderOf(const std::wstring& path) {
    size_t separator = lastSeparator(path);
    if (separator == std::wstring::npos) return {};
    return withoutTrailingSeparators(path.substr(0, separator + 1));
}

std::wstring nameOf(const std::wstring& path) {
    if (isDriveRoot(path)) return path;
    size_t separator = lastSeparator(path);
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
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
