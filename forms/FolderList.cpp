#include "forms/FolderList.h"

#include <algorithm>
#include <optional>

#include "files/FileNames.h"
#include "files/Folders.h"
#include "files/Paths.h"
#include "runtime/RuntimeError.h"

namespace {
bool isDriveAlone(const std::wstring& text) {
    return text.size() >= 2 && text[1] == L':' && (text.size() == 2 || text[2] == L' ');
}

// The folder a text names, as a full path without a trailing separator
// (a drive root keeps its own: "C:\").
std::wstring fullFolderPath(const std::wstring& text) {
    if (text.empty()) raiseError(err::PathNotFound);
    std::optional<std::wstring> named = fullPathName(text);
    if (!named) raiseLastError();
    return withoutTrailingSeparators(*named);
}

// The folder a drive alone opens: the drive's current folder, once its root
// has proved readable. Whatever makes the root unreadable, it is error 68.
std::wstring driveFolder(wchar_t letter) {
    std::wstring root = driveRoot(letter);
    try {
        listSubfolders(root);
    } catch (const RuntimeError&) {
        raiseError(err::DeviceUnavailable);
    }
    return currentFolderOfDrive(letter);
}

}  // namespace

// The list holds the bare folder names and draws their indentation itself,
// so that the list's own type-to-find matches what the user reads.
void FolderList::create(ControlHost& host, const TwipsRect& rect) {
    createListBox(host, rect);
    // Starts on the process's current folder, as the file list does.
    std::wstring folder = fullFolderPath(currentFolder());
    show(folder, listSubfolders(folder));
}

bool FolderList::setPath(const std::wstring& text) {
    std::wstring folder = isDriveAlone(text) ? driveFolder(text[0]) : fullFolderPath(text);
    std::vector<std::wstring> subfolders = listSubfolders(folder);
    bool changed = !sameNameNoCase(folder, path_);
    show(folder, subfolders);
    if (changed && onChange) onChange();
    return changed;
}

void FolderList::openEntry(int index) {
    if (index < 0 || static_cast<size_t>(index) >= entryPaths_.size()) return;
    setPath(entryPaths_[static_cast<size_t>(index)]);
}

// Ancestors from the root down, each one level deeper, then the subfolders
// one level below the open folder.
void FolderList::show(const std::wstring& folder, const std::vector<std::wstring>& subfolders) {
    std::vector<std::wstring> paths = folderAncestors(folder);
    openIndex_ = static_cast<int>(paths.size()) - 1;
    for (const std::wstring& name : subfolders) paths.push_back(joinPath(folder, name));

    path_ = folder;
    entryPaths_ = std::move(paths);
    std::vector<std::wstring> names;
    names.reserve(entryPaths_.size());
    for (const std::wstring& path : entryPaths_) names.push_back(nameOf(path));
    fill(names, openIndex_);
}

// A double-click opens the entry's folder.
void FolderList::onCommand(WORD code) {
    if (code == LBN_DBLCLK) openEntry(selectedIndex());
}

// Draws an entry's name indented by its depth below the drive root (two
// spaces a level), in the list's font and the system's selection colours.
// Draws an entry's name indented by its depth below the drive root (two
// spaces a level).
bool FolderList::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= entryPaths_.size()) return true;
    SIZE indent{};
    {
        ScopedSelect font(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(item.hDC, L"  ", 2, &indent);
    }
    int depth = std::min(static_cast<int>(item.itemID), openIndex_ + 1);
    drawEntry(item, nameOf(entryPaths_[item.itemID]), indent.cx * depth);
    drawEntryFocus(item);
    return true;
}

// Enter opens the selected folder: the list asks for every key, so the
// dialog-key handling passes Enter on instead of pressing a button.
std::optional<LRESULT> FolderList::onListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE && lParam) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) return DLGC_WANTALLKEYS;
    }
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        openEntry(selectedIndex());
        return 0;
    }
    return std::nullopt;
}
