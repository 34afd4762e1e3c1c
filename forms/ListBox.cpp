#include "forms/ListBox.h"

void ListBox::createListBox(ControlHost& host, const TwipsRect& rect, DWORD extraStyle) {
    ControlArgs args;
    args.className = L"LISTBOX";
    args.style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | extraStyle;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.rect = rect;
    createWindow(host, args);
}

void ListBox::fill(const std::vector<std::wstring>& texts, int selected) {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    SendMessageW(hwnd(), LB_INITSTORAGE, texts.size(), texts.size() * 32 * sizeof(wchar_t));
    for (const std::wstring& text : texts) {
        SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (selected >= 0) SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

int ListBox::selectedIndex() const { return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)); }
