// A form's window: its creation, its placement and size at its resolution,
// and its icons.

#include "forms/Form.h"

#include <shellapi.h>

#include "forms/Application.h"
#include "forms/Placement.h"
#include "runtime/RuntimeError.h"

void Form::registerClass() const {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, settings_.className.c_str(), &windowClass)) return;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = settings_.className.c_str();
    RegisterClassExW(&windowClass);
}

// A window without a taskbar button of its own is owned by the runtime's
// hidden window, unless it is a tool window, which has none anyway.
void Form::createFormWindow() {
    registerClass();
    if (settings_.background != CLR_INVALID) background_ = BrushHandle(CreateSolidBrush(settings_.background));
    HWND owner = nullptr;
    if (!settings_.taskbarButton && !(settings_.exStyle & WS_EX_TOOLWINDOW))
        owner = Application::instance().hiddenOwner();
    HWND created = CreateWindowExW(settings_.exStyle, settings_.className.c_str(), settings_.caption.c_str(),
                                   settings_.style, 0, 0, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!created) raiseLastError();
    if (settings_.acceptsFiles) DragAcceptFiles(created, TRUE);
    dpi_ = windowDpi(hwnd_);
    defaultFont_ = createFont(FontSpec{}, dpi_);
    if (settings_.iconId) loadIcons();
}

void Form::loadIcons() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto load = [&](int size) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(settings_.iconId), IMAGE_ICON, size, size, 0));
    };
    bigIcon_.reset(load(GetSystemMetrics(SM_CXICON)));
    smallIcon_.reset(load(GetSystemMetrics(SM_CXSMICON)));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

// Sizes the window to its layout and places it, in one move where the
// frame is as the system computes it.
void Form::placeWindow() {
    if (menu_) SetMenu(hwnd_, menu_);
    SIZE size = frameSize();
    POINT at = placement(size);
    SetWindowPos(hwnd_, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
}

// The frame around the client area of the layout at the window's resolution.
SIZE Form::frameSize() const {
    RECT frame{0, 0, twipsToPixels(settings_.clientWidth, dpi_), twipsToPixels(settings_.clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, settings_.style, menu_ != nullptr, settings_.exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// The menu bar may wrap and the frame may be drawn at another resolution
// than the system's, so the client area is measured and the frame corrected.
void Form::fitClientArea() {
    RECT client, frame;
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &frame);
    int wider = twipsToPixels(settings_.clientWidth, dpi_) - (client.right - client.left);
    int taller = twipsToPixels(settings_.clientHeight, dpi_) - (client.bottom - client.top);
    if (wider == 0 && taller == 0) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + wider, frame.bottom - frame.top + taller,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Beside the neighbour in the work area of the neighbour's monitor, or
// centred in the primary work area without one.
POINT Form::placement(SIZE size) const {
    HWND neighbour = settings_.beside && IsWindow(settings_.beside) ? settings_.beside : nullptr;
    if (!neighbour) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return placeBeside(size, std::nullopt, work);
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(neighbour, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT frame;
    GetWindowRect(neighbour, &frame);
    return placeBeside(size, frame, monitor.rcWork);
}

// Moved to a monitor of another resolution: the frame goes to the suggested
// position, and the window and its controls are laid out again from their
// twips, with fonts of the new size. The old default font is released only
// after every control has taken the new one.
void Form::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    FontHandle previousFont = std::move(defaultFont_);
    defaultFont_ = createFont(FontSpec{}, dpi_);
    for (auto& [id, control] : controls_) control->applyDpi(dpi_);
    SIZE size = frameSize();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
}

COLORREF Form::backgroundColor() const {
    return settings_.background != CLR_INVALID ? settings_.background : GetSysColor(COLOR_BTNFACE);
}

HBRUSH Form::backgroundBrush() const {
    return background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE);
}
