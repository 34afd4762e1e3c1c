#include "forms/ListBox.h"

#include "forms/ProgramEnd.h"

void ListBox::createListBox(ControlHost& host, const TwipsRect& rect) {
    ControlArgs args;
    args.className = L"LISTBOX";
    args.style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.rect = rect;
    createWindow(host, args);
    // Subclassed by hand, not through the common controls: under Wine those
    // look their data up among the window's properties, a round trip to the
    // server for every message, and filling 10,000 entries took 0.8 s
    // instead of 0.06 s.
    SetWindowLongPtrW(hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listBoxProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc)));
    fitItemHeight();
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

// The whole entry is drawn for every action, focus changes too, so no
// exclusive-or focus rectangle is left behind.
COLORREF ListBox::drawEntry(const DRAWITEMSTRUCT& item, const std::wstring& text, int indent, int reserved) const {
    HDC dc = item.hDC;
    bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ScopedSelect font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    COLORREF color = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    RECT bounds = item.rcItem;
    bounds.left += 1 + indent;
    bounds.right -= reserved;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return color;
}

void ListBox::drawEntryFocus(const DRAWITEMSTRUCT& item) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

// An owner-drawn list keeps the item height it was created with: it follows
// the list's font here, as a plain list's does.
void ListBox::fitItemHeight() {
    ScreenDC screen;
    ScopedSelect font(screen.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

// A new font brings a new item height; the list's own handling of other
// messages comes first.
LRESULT CALLBACK ListBox::listProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = reinterpret_cast<ListBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    WNDPROC original = list->listBoxProc_;
    if (message == WM_SETFONT) {
        CallWindowProcW(original, hwnd, message, wParam, lParam);
        list->fitItemHeight();
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    auto handled = guarded([&] { return list->onListMessage(message, wParam, lParam); }, std::optional<LRESULT>{0});
    return handled ? *handled : CallWindowProcW(original, hwnd, message, wParam, lParam);
}
