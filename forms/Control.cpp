#include "forms/Control.h"

#include "forms/Form.h"

void Control::createWindow(Form& form, const ControlArgs& args) {
    form_ = &form;
    id_ = form.registerControl(*this, args.id);
    RECT r = pixelRect(args.rect);
    hwnd_ = CreateWindowExW(args.exStyle, args.className, args.text.c_str(),
                            WS_CHILD | WS_VISIBLE | args.style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, form.hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                            GetModuleHandleW(nullptr), nullptr);
    if (usesFormFont()) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.defaultFont()), FALSE);
}

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

ControlArgs listBoxArgs(const TwipsRect& rect) {
    ControlArgs args;
    args.className = L"LISTBOX";
    args.style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
    args.exStyle = WS_EX_CLIENTEDGE;
    args.rect = rect;
    return args;
}
