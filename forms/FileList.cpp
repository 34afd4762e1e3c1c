#include "forms/FileList.h"

#include <algorithm>

#include "files/Folders.h"
#include "files/MatchingFiles.h"
#include "runtime/Handle.h"

void FileList::create(ControlHost& host, const TwipsRect& rect, const std::wstring& pattern) {
    createListBox(host, rect);
    pattern_ = pattern;
    setPath(currentFolder());
}

void FileList::setPath(const std::wstring& folder) {
    std::vector<std::wstring> names = listMatchingFiles(folder, pattern_);
    path_ = folder;
    names_ = std::move(names);
    marker_ = nullptr;
    marks_.assign(names_.size(), std::nullopt);
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

void FileList::setMarker(std::function<EntryMark(const std::wstring& name)> marker) {
    marker_ = std::move(marker);
    marks_.assign(names_.size(), std::nullopt);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

std::vector<EntryMark> FileList::marks() {
    std::vector<EntryMark> marks;
    for (size_t i = 0; i < names_.size(); ++i) marks.push_back(markAt(i));
    return marks;
}

EntryMark FileList::selectedMark() {
    int index = selectedIndex();
    return index == LB_ERR || static_cast<size_t>(index) >= names_.size() ? EntryMark::None
                                                                          : markAt(static_cast<size_t>(index));
}

EntryMark FileList::markAt(size_t index) {
    if (!marks_[index]) marks_[index] = marker_ ? marker_(names_[index]) : EntryMark::None;
    return *marks_[index];
}

// Draws an entry's name and, at its right end, its mark: a dot, filled or
// hollow, in the colour of the text, which a long name stops short of.
bool FileList::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= names_.size()) return true;
    EntryMark mark = markAt(item.itemID);
    const RECT& r = item.rcItem;
    int size = std::max<int>(4, (r.bottom - r.top) / 2);
    int reserved = mark == EntryMark::None ? 0 : size + 6;
    COLORREF color = drawEntry(item, names_[item.itemID], 0, reserved);
    if (mark != EntryMark::None) {
        int left = r.right - size - 4, top = (r.top + r.bottom - size) / 2;
        BrushHandle fill(CreateSolidBrush(color));
        Handle<HPEN, DeleteObjectFn> pen(CreatePen(PS_SOLID, 1, color));
        ScopedSelect brush(item.hDC, mark == EntryMark::Filled ? fill.get() : GetStockObject(NULL_BRUSH));
        ScopedSelect outline(item.hDC, pen.get());
        Ellipse(item.hDC, left, top, left + size, top + size);
    }
    drawEntryFocus(item);
    return true;
}

// The entry under the mouse is selected first, as a click selects it; from
// the keyboard the menu goes by the selected entry, below it.
void FileList::onContextMenuAt(POINT screen) {
    bool fromKeyboard = screen.x == -1 && screen.y == -1;
    if (fromKeyboard) {
        RECT item{};
        int index = selectedIndex();
        if (index == LB_ERR || SendMessageW(hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            GetClientRect(hwnd(), &item);
        screen = POINT{item.left, item.bottom};
        ClientToScreen(hwnd(), &screen);
    } else {
        POINT client = screen;
        ScreenToClient(hwnd(), &client);
        LRESULT hit = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
        int index = LOWORD(hit);
        if (HIWORD(hit) == 0 && index != selectedIndex()) {
            SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            if (onClick) onClick();
        }
    }
    if (onContextMenu) onContextMenu(screen);
}
