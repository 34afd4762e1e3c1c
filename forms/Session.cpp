#include "forms/Session.h"

#include <commctrl.h>

#include <utility>

#include "forms/Application.h"
#include "forms/GdiPlus.h"

Session::Session(std::wstring title) {
    Application::instance().setTitle(std::move(title));
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr);
}

Session::~Session() {
    if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
}

int runMessageLoop() {
    const LoadedForms& forms = Application::instance().forms();
    MSG msg;
    while (!forms.empty()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got < 0) return 1;
        dispatchMessage(msg);
    }
    return 0;
}

void dispatchMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    LoadedForm* form = Application::instance().forms().withWindow(root);
    if (form && form->wantsDialogKeys() && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
