#include "forms/Application.h"

// Never destroyed: a window instance destroyed as the process exits still
// leaves the collection.
Application& Application::instance() {
    static Application* const application = new Application();
    return *application;
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
