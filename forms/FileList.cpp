#include "forms/FileList.h"

#include <algorithm>

#include "files/Folders.h"
#include "files/MatchingFiles.h"

void FileList::create(ControlHost& host, const TwipsRect& rect, const std::wstring& pattern) {
    createListBox(host, rect);
    pattern_ = pattern;
    setPath(currentFolder());
}

void FileList::setPath(const std::wstring& folder) {
    std::vector<std::wstring> names = listMatchingFiles(folder, pattern_);
    path_ = folder;
    names_ = std::move(names);
    fill(names_);
}

std::wstring FileList::fileName() const {
    int index = selectedIndex();
    if (index == LB_ERR || static_cast<size_t>(index) >= names_.size()) return std::wstring();
    return names_[static_cast<size_t>(index)];
}

bool FileList::select(const std::wstring& name) {
    auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end()) return false;
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(found - names_.begin()), 0);
    return true;
}

// A new selection, by mouse or keyboard, raises onClick.
void FileList::onCommand(WORD code) {
    if (code == LBN_SELCHANGE && onClick) onClick();
}
