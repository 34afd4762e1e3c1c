#include "forms/Form.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/MenuItem.h"
#include "forms/MessageBox.h"
#include "forms/Timer.h"
#include "runtime/RuntimeError.h"

// The derived form's controls are gone already: only the modal state, the
// collection and the window itself are left to release.
Form::~Form() {
    endModal();
    Application::instance().removeLoaded(this);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Form::Load() {
    if (isLoaded()) return;
    settings_ = settings();
    nextId_ = FirstId;
    loading_ = true;
    // The window joins the collection when its load begins, so that a
    // message box inside Form_Load does not find the program without windows.
    Application::instance().addLoaded(this);
    try {
        createFormWindow();
        createControls();
        placeWindow();
        Form_Load();
    } catch (...) {
        abandonLoad();
        throw;
    }
    loading_ = false;
}

// A window whose load failed is not loaded: nothing may find it half built.
// Its unload handlers do not run, since its load never finished.
void Form::abandonLoad() {
    // A menu bar not attached yet is not destroyed with the window.
    if (menu_ && !(hwnd_ && GetMenu(hwnd_) == menu_)) DestroyMenu(menu_);
    destroyFormWindow();
    Application::instance().removeLoaded(this);
}

void Form::Show(ShowMode mode) {
    if (!isLoaded()) Load();
    if (loading_) {
        // A show from inside this window's own load (a timer tick while a box
        // of the load is open): visible, but not over the box. A window
        // manager raises a newly mapped window all the same, so the box is
        // raised again.
        ShowWindow(hwnd_, SW_SHOWNA);
        raiseOpenMessageBoxes();
        return;
    }
    if (!hwnd_) return;  // unloaded by its own Form_Load
    if (mode == ShowMode::Modal) beginModal();
    showActive();
    if (mode == ShowMode::Modal) runModalLoop();
}

namespace {
bool runsUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}
}  // namespace

// Shows the window, or brings it forward when it is shown already, as the
// active window, also for the window manager: Alt+F4 and the keyboard go to
// it. Under Wine the window manager decides which window is active, and
// Wine 8 cannot ask it to activate one: a window gets the focus only when
// the window manager maps it and finds it worth focusing, and openbox never
// focuses a new window that skips the taskbar. So there a window without a
// taskbar button is mapped as one with a button, which it loses again at
// once, and one that is open already is mapped afresh.
void Form::showActive() {
    bool shown = IsWindowVisible(hwnd_);
    if (!runsUnderWine() || settings_.taskbarButton) {
        ShowWindow(hwnd_, SW_SHOW);
        if (!shown) return;
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(hwnd_);
        return;
    }
    if (shown) {
        if (GetForegroundWindow() == hwnd_) return;
        ShowWindow(hwnd_, SW_HIDE);
    }
    LONG exStyle = GetWindowLongW(hwnd_, GWL_EXSTYLE);
    SetWindowLongW(hwnd_, GWL_EXSTYLE, exStyle | WS_EX_APPWINDOW);
    ShowWindow(hwnd_, SW_SHOW);
    SetWindowLongW(hwnd_, GWL_EXSTYLE, exStyle);
}

bool Form::Unload() {
    if (!isLoaded() || unloading_) return true;
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        unloading_ = false;
        return false;
    }
    Form_Unload();
    destroyFormWindow();
    Application::instance().removeLoaded(this);
    unloading_ = false;
    return true;
}

void Form::destroyFormWindow() {
    // Re-enable first: with the other windows still disabled, activation
    // would pass to another program's window.
    endModal();
    HWND window = hwnd_;
    hwnd_ = nullptr;
    loading_ = false;
    if (window) {
        for (auto& [id, timer] : timers_) KillTimer(window, id);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);  // also destroys the attached menu
    }
    for (auto& [id, control] : controls_) {
        control->detach();
        control->onFormUnloaded();
    }
    for (auto& [id, timer] : timers_) timer->id_ = 0;
    controls_.clear();
    menuItems_.clear();
    timers_.clear();
    menu_ = nullptr;
    lastFocus_ = nullptr;
    defaultButton_ = nullptr;
    cancelButton_ = nullptr;
    defaultFont_.reset();
    background_.reset();
    bigIcon_.reset();
    smallIcon_.reset();
}

std::wstring Form::caption() const { return hwnd_ ? windowText(hwnd_) : std::wstring(); }

void Form::setCaption(const std::wstring& caption) {
    if (hwnd_) SetWindowTextW(hwnd_, caption.c_str());
}

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
    if (settings_.iconId) {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        auto load = [&](int size) {
            return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(settings_.iconId), IMAGE_ICON, size, size, 0));
        };
        bigIcon_.reset(load(GetSystemMetrics(SM_CXICON)));
        smallIcon_.reset(load(GetSystemMetrics(SM_CXSMICON)));
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
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

// Where a window of this size goes: beside its neighbour, on the right or
// else on the left, when the neighbour's work area has room for it; centred
// over the neighbour otherwise; centred in the work area without one.
POINT Form::placement(SIZE size) const {
    HWND neighbour = settings_.beside && IsWindow(settings_.beside) ? settings_.beside : nullptr;
    RECT work;
    if (neighbour) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(neighbour, MONITOR_DEFAULTTONEAREST), &monitor);
        work = monitor.rcWork;
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    }
    RECT area = work;
    if (neighbour) GetWindowRect(neighbour, &area);
    POINT centred{area.left + ((area.right - area.left) - size.cx) / 2,
                  area.top + ((area.bottom - area.top) - size.cy) / 2};
    if (!neighbour || size.cy > work.bottom - work.top) return centred;
    LONG top = std::clamp(area.top, work.top, work.bottom - size.cy);
    if (area.right + size.cx <= work.right) return POINT{area.right, top};
    if (area.left - size.cx >= work.left) return POINT{area.left - size.cx, top};
    return centred;
}

int Form::registerControl(Control& control, int requestedId) {
    int id = requestedId ? requestedId : nextId_++;
    controls_[id] = &control;
    return id;
}

void Form::addMenuItem(MenuItem& item, const std::wstring& caption) {
    if (!menu_) menu_ = CreateMenu();
    item.id_ = nextId_++;
    AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(item.id_), caption.c_str());
    menuItems_[item.id_] = &item;
}

void Form::addTimer(Timer& timer) {
    timer.id_ = static_cast<UINT_PTR>(nextId_++);
    SetTimer(hwnd_, timer.id_, timer.interval(), nullptr);
    timers_[timer.id_] = &timer;
}

// The other windows take no input from the moment this one appears, as
// with the system's dialog boxes.
void Form::beginModal() {
    if (modal_) return;
    disabledByModal_ = Application::instance().disableWindowsExcept(hwnd_);
    modal_ = true;
}

// Runs until this window is unloaded. A WM_QUIT ends it too, and is posted
// again so that the loop outside ends as well.
void Form::runModalLoop() {
    MSG msg;
    while (modal_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            endModal();
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Application::dispatch(msg);
    }
}

void Form::endModal() {
    if (!modal_) return;
    Application::enableAgain(disabledByModal_);
    modal_ = false;
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Application::guarded([&] { return form->handleMessage(message, wParam, lParam); }, LRESULT{0});
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return onCommand(wParam, lParam);
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        auto found = controls_.find(static_cast<int>(header.idFrom));
        return found != controls_.end() ? found->second->onNotify(header) : 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (Control* control = controlFromHwnd(reinterpret_cast<HWND>(lParam))) control->handleScroll(LOWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return onControlColor(message, wParam, lParam);
    case WM_ERASEBKGND:
        if (!background_) break;
        {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        }
        return 1;
    case WM_DRAWITEM:
        if (onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_TIMER: {
        auto found = timers_.find(wParam);
        if (found != timers_.end() && found->second->onTimer) found->second->onTimer();
        return 0;
    }
    case WM_CHAR:
        Form_KeyPress(static_cast<wchar_t>(wParam));
        return 0;
    case WM_NEXTDLGCTL:
        onNextDlgCtl(wParam, lParam);
        return 0;
    case WM_DROPFILES:
        onDropFiles(wParam);
        return 0;
    case WM_ACTIVATE: {
        LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return result;
    }
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_QUERYENDSESSION:
        return onQueryEndSession();
    case WM_ENDSESSION:
        onEndSession(wParam != FALSE);
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The query only asks: another program may still refuse the end of the
// session, and then every window must be as it was.
LRESULT Form::onQueryEndSession() {
    bool cancel = false;
    Form_QueryEndSession(cancel);
    agreedToEndSession_ = !cancel;
    return cancel ? FALSE : TRUE;
}

// The session really ends only when the system says so after every program
// agreed; a window that refused never gets here with ending set.
void Form::onEndSession(bool ending) {
    bool agreed = std::exchange(agreedToEndSession_, false);
    if (ending && agreed) Form_EndSession();
}

// Passes a command to the control that sent it, or to the default or
// cancel button for Enter and Esc.
LRESULT Form::onCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    WORD code = HIWORD(wParam);
    // Enter and Esc arrive from the dialog-key handling as IDOK and IDCANCEL.
    if (id == IDCANCEL && cancelButton_) {
        cancelButton_->click();
        return 0;
    }
    if (id == IDOK && defaultButton_ && controls_.find(IDOK) == controls_.end()) {
        defaultButton_->click();
        return 0;
    }
    auto found = controls_.find(id);
    if (found != controls_.end()) {
        found->second->onCommand(code);
        return 0;
    }
    if (lParam) return 0;
    auto item = menuItems_.find(id);
    if (item != menuItems_.end() && item->second->onClick) item->second->onClick();
    return 0;
}

// A control's own colours, else the form's background behind static text
// and buttons.
LRESULT Form::onControlColor(UINT message, WPARAM wParam, LPARAM lParam) {
    auto dc = reinterpret_cast<HDC>(wParam);
    if (Control* control = controlFromHwnd(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->onColor(dc)) return reinterpret_cast<LRESULT>(brush);
    }
    if (background_ && (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)) {
        SetBkColor(dc, settings_.background);
        return reinterpret_cast<LRESULT>(background_.get());
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Owner-drawn controls draw their own items.
bool Form::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_MENU) return false;
    Control* control = controlFromHwnd(item.hwndItem);
    return control && control->onDrawItem(item);
}

HBRUSH Form::backgroundBrush() const {
    return background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

// Sets the cursor of the control under the mouse, if it has one of its own.
bool Form::onSetCursor(HWND child) {
    if (child == hwnd_) return false;
    Control* control = controlFromHwnd(child);
    HCURSOR cursor = control ? control->cursor() : nullptr;
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

// Keeps the keyboard focus on the control that had it when the window was
// last active, or on the first control in the tab order.
void Form::onActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    if (!settings_.dialogKeys) return;
    HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target) SetFocus(target);
}

// Moves the focus as a dialog box does when a control asks it to (a
// multi-line text box on Tab and Shift+Tab): to the next or previous tab
// stop, or to the control given. A text box reached so has its text selected.
void Form::onNextDlgCtl(WPARAM wParam, LPARAM lParam) {
    HWND target = reinterpret_cast<HWND>(wParam);
    if (!LOWORD(lParam)) {
        HWND focus = GetFocus();
        if (focus && !IsChild(hwnd_, focus)) focus = nullptr;
        target = GetNextDlgTabItem(hwnd_, focus, wParam != 0);
    }
    if (!target || !IsChild(hwnd_, target)) return;
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
    SetFocus(target);
}

namespace {
struct DragFinishFn { void operator()(HDROP drop) const { DragFinish(drop); } };

std::vector<std::wstring> droppedPaths(HDROP drop) {
    std::vector<std::wstring> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        if (!path.empty()) paths.push_back(std::move(path));
    }
    return paths;
}
}  // namespace

// Files dropped from the shell. The drop is released before the form sees
// it; while a box or a modal window disables this window it is ignored, as
// a click on it would be.
void Form::onDropFiles(WPARAM wParam) {
    std::vector<std::wstring> paths;
    {
        Handle<HDROP, DragFinishFn> drop(reinterpret_cast<HDROP>(wParam));
        paths = droppedPaths(drop.get());
    }
    if (!paths.empty() && IsWindowEnabled(hwnd_)) Form_DragDrop(paths);
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

Control* Form::controlFromHwnd(HWND child) const {
    if (!child) return nullptr;
    auto found = controls_.find(GetDlgCtrlID(child));
    return found != controls_.end() && found->second->hwnd() == child ? found->second : nullptr;
}
