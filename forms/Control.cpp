#include "forms/Control.h"

#include "forms/ControlFont.h"
#include "runtime/RuntimeError.h"

void Control::createWindow(ControlHost& host, const ControlArgs& args) {
    host_ = &host;
    id_ = host.registerControl(*this, args.id);
    rect_ = args.rect;
    RECT r = pixelRect(args.rect, host.dpi());
    hwnd_ = CreateWindowExW(args.exStyle, args.className, args.text.c_str(),
                            WS_CHILD | WS_VISIBLE | args.style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, host.hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) raiseLastError();
    if (ControlFont* font = ownFont()) font->setDpi(hwnd_, host.dpi());
    if (usesFormFont()) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host.defaultFont()), FALSE);
}

void Control::applyDpi(int dpi) {
    RECT r = pixelRect(rect_, dpi);
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (ControlFont* font = ownFont()) font->setDpi(hwnd_, dpi);
    if (usesFormFont()) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_->defaultFont()), TRUE);
}

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
