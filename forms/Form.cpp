#include "forms/Form.h"

#include "forms/Application.h"
#include "forms/MenuItem.h"
#include "forms/MessageBox.h"
#include "forms/Session.h"
#include "forms/Timer.h"

// The derived form's controls are gone already: only the modal state, the
// collection and the window itself are left to release.
Form::~Form() {
    modal_.reset();
    Application::instance().forms().remove(*this);
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
    Application::instance().forms().add(*this);
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
    Application::instance().forms().remove(*this);
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
    // The other windows take no input from the moment this one appears, as
    // with the system's dialog boxes.
    if (mode == ShowMode::Modal && !modal_) modal_.emplace(Application::instance().forms(), hwnd_);
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

// Runs until this window is unloaded. A WM_QUIT ends it too, and is posted
// again so that the loop outside ends as well.
void Form::runModalLoop() {
    MSG msg;
    while (modal_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            modal_.reset();
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatchMessage(msg);
    }
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
    Application::instance().forms().remove(*this);
    unloading_ = false;
    return true;
}

void Form::destroyFormWindow() {
    // Enables the other windows first: with them still disabled, activation
    // would pass to another program's window.
    modal_.reset();
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
