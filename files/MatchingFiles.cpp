#include "files/MatchingFiles.h"

#include "files/FileNames.h"
#include "files/Folders.h"

// Every entry is listed and matched here on its long name: the file system's
// own matching would also accept "a.ttfx" for "*.ttf" through its 8.3 name.
std::vector<std::wstring> listMatchingFiles(const std::wstring& folder, const std::wstring& pattern) {
    NamePattern match(pattern);
    std::vector<std::wstring> names;
    for (const FolderEntry& entry : listEntries(folder)) {
        if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (match.matches(entry.name)) names.push_back(entry.name);
    }
    sortNoCase(names);
    return names;
}
