#include "forms/FileList.h"

#include <algorithm>

#include "files/Folders.h"
#include "files/MatchingFiles.h"

void FileList::create(Form& form, const TwipsRect& rect, const std::wstring& pattern) {
    createWindow(form, listBoxArgs(rect));
    pattern_ = pattern;
    setPath(currentFolder());
}

void FileList::setPath(const std::wstring& folder) {
    std::vector<std::wstring> names = listMatchingFiles(folder, pattern_);
    path_ = folder;
    names_ = std::move(names);
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    SendMessageW(hwnd(), LB_INITSTORAGE, names_.size(), names_.size() * 32 * sizeof(wchar_t));
    for (const std::wstring& name : names_) SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

std::wstring FileList::fileName() const {
    LRESULT index = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || static_cast<size_t>(index) >= names_.size()) return std::wstring();
    return names_[static_cast<size_t>(index)];
}

bool FileList::select(const std::wstring& name) {
    auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end()) return false;
    SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(found - names_.begin()), 0);
    return true;
}

void FileList::onCommand(WORD code) {
    if (code == LBN_SELCHANGE && onClick) onClick();
}
