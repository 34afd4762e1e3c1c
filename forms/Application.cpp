#include "forms/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "forms/Form.h"
#include "forms/GdiPlus.h"
#include "forms/MessageBox.h"
#include "runtime/RuntimeError.h"

Application::Session::Session(std::wstring title) {
    instance().title_ = std::move(title);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr);
}

Application::Session::~Session() {
    if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
}

// Never destroyed: a window instance destroyed as the process exits still
// leaves the collection.
Application& Application::instance() {
    static Application* const application = new Application();
    return *application;
}

bool Application::isLoaded(const Form* form) const {
    return std::find(loaded_.begin(), loaded_.end(), form) != loaded_.end();
}

void Application::addLoaded(Form* form) {
    if (!isLoaded(form)) loaded_.push_back(form);
}

void Application::removeLoaded(Form* form) { std::erase(loaded_, form); }

int Application::run() {
    MSG msg;
    while (!loaded_.empty()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got < 0) return 1;
        dispatch(msg);
    }
    return 0;
}

void Application::dispatch(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root) {
        for (Form* form : instance().loaded_) {
            if (form->hwnd() == root && form->wantsDialogKeys() && IsDialogMessageW(root, &msg)) return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

std::vector<HWND> Application::disableWindowsExcept(HWND keep) const {
    std::vector<HWND> disabled;
    for (Form* form : loaded_) {
        HWND window = form->hwnd();
        if (!window || window == keep || !IsWindowEnabled(window)) continue;
        EnableWindow(window, FALSE);
        disabled.push_back(window);
    }
    return disabled;
}

void Application::enableAgain(std::vector<HWND>& windows) {
    for (HWND window : windows) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    windows.clear();
}

HWND Application::messageBoxOwner() const {
    for (Form* form : loaded_) {
        if (form->ownsMessageBoxes() && form->hwnd()) return form->hwnd();
    }
    return nullptr;
}

HWND Application::hiddenOwner() {
    if (hiddenOwner_) return hiddenOwner_;
    static const wchar_t* const className = L"KernwellHiddenOwner";
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
    hiddenOwner_ = CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    return hiddenOwner_;
}

void Application::endNow(int exitCode) {
    if (endOverride) {
        endOverride(exitCode);
        return;
    }
    ExitProcess(static_cast<UINT>(exitCode));
}

void Application::reportEscapedError(const RuntimeError& error) {
    msgBox(L"Run-time error '" + std::to_wstring(error.number()) + L"':\r\n\r\n" + error.description(),
           MsgButtons::OK, MsgIcon::Critical);
    endNow(1);
}
