#pragma once
// The forms floor, on runtime and files (library kernwell_forms): the
// window runtime and its controls. It knows no particular window of the
// program and none of its texts: the program hands it its title.
//
// A form is one top-level window of the program, shaped like the window
// model the program is written against: one program-wide instance per
// class, created on first use; Load creates the window and runs Form_Load
// before it becomes visible; Show loads when needed and shows modeless or
// modal; Unload asks Form_QueryUnload, runs Form_Unload and destroys the
// window, while the C++ object lives on and loads afresh when shown again.

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/Layout.h"
#include "runtime/Handle.h"

class Control;
class MenuItem;
class Timer;
class CommandButton;


struct FormSettings {
    std::wstring className;
    std::wstring caption;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = 0;
    int clientWidth = 0;  // twips
    int clientHeight = 0;  // twips
    // Beside this window when its work area has room, else centred over it;
    // without one, centred on the screen.
    HWND beside = nullptr;
    // The program's message boxes are owned by this window while it exists.
    bool ownsMessageBoxes = false;
    bool taskbarButton = true;
    int iconId = 0;  // 0: no icon of its own
    COLORREF background = CLR_INVALID;  // CLR_INVALID: the system's face colour
    // Tab, access keys, Enter and Esc through IsDialogMessage. Off where the
    // form wants the raw characters of every key.
    bool dialogKeys = true;
    // Files and folders dropped from the shell raise Form_DragDrop.
    bool acceptsFiles = false;
};

enum class ShowMode { Modeless, Modal };

class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND hwnd() const { return hwnd_; }
    bool isLoaded() const { return hwnd_ != nullptr || loading_; }
    bool isLoading() const { return loading_; }

    std::wstring caption() const;
    void setCaption(const std::wstring& caption);

    void Load();
    void Show(ShowMode mode = ShowMode::Modeless);
    // False when Form_QueryUnload cancelled the unload.
    bool Unload();

    // For controls: the id of a new child, the form's default font and the
    // resolution its layout is drawn at.
    int registerControl(Control& control, int requestedId = 0);
    HFONT defaultFont() const { return defaultFont_.get(); }
    int dpi() const { return dpi_; }
    bool ownsMessageBoxes() const { return settings_.ownsMessageBoxes; }
    // The brush behind the form's controls.
    HBRUSH backgroundBrush() const;
    COLORREF backgroundColor() const {
        return settings_.background != CLR_INVALID ? settings_.background : GetSysColor(COLOR_BTNFACE);
    }
    // Whether the program's keyboard navigation applies to this form.
    bool wantsDialogKeys() const { return settings_.dialogKeys; }

protected:
    virtual FormSettings settings() const = 0;
    // Creates the controls, in tab order, and wires their events.
    virtual void createControls() {}
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& /*cancel*/) {}
    virtual void Form_Unload() {}
    virtual void Form_KeyPress(wchar_t /*character*/) {}
    // The system asks whether the session may end (cancel refuses it); the
    // windows stay as they are until Form_EndSession says it really ends.
    virtual void Form_QueryEndSession(bool& /*cancel*/) {}
    virtual void Form_EndSession() {}
    // The full paths of the items dropped on the window, in the shell's order.
    virtual void Form_DragDrop(const std::vector<std::wstring>& /*paths*/) {}

    void addMenuItem(MenuItem& item, const std::wstring& caption);
    void addTimer(Timer& timer);
    // Enter and Esc press these buttons.
    void setDefaultButton(CommandButton& button) { defaultButton_ = &button; }
    void setCancelButton(CommandButton& button) { cancelButton_ = &button; }

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void registerClass() const;
    void createFormWindow();
    void placeWindow();
    void abandonLoad();
    void beginModal();
    void showActive();
    SIZE frameSize() const;
    void fitClientArea();
    POINT placement(SIZE size) const;
    void onDpiChanged(int dpi, const RECT& suggested);
    void runModalLoop();
    void endModal();
    void destroyFormWindow();
    void onActivate(bool active);
    void onDropFiles(WPARAM drop);
    void onNextDlgCtl(WPARAM wParam, LPARAM lParam);

    LRESULT onQueryEndSession();
    void onEndSession(bool ending);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColor(UINT message, WPARAM wParam, LPARAM lParam);
    bool onDrawItem(const DRAWITEMSTRUCT& item);
    bool onSetCursor(HWND child);
    Control* controlFromHwnd(HWND child) const;

    FormSettings settings_;
    HWND hwnd_ = nullptr;
    bool loading_ = false;
    bool unloading_ = false;
    bool modal_ = false;
    // The answer this window gave to the last end-of-session query.
    bool agreedToEndSession_ = false;
    int dpi_ = 96;
    std::vector<HWND> disabledByModal_;
    FontHandle defaultFont_;
    BrushHandle background_;
    HMENU menu_ = nullptr;  // owned by the window once attached
    HWND lastFocus_ = nullptr;
    Handle<HICON, DestroyIconFn> bigIcon_;
    Handle<HICON, DestroyIconFn> smallIcon_;
    std::map<int, Control*> controls_;
    std::map<int, MenuItem*> menuItems_;
    std::map<UINT_PTR, Timer*> timers_;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    // Control, menu and timer ids count from here afresh at each load, so
    // they stay far below the 16 bits that WM_COMMAND carries.
    static constexpr int FirstId = 1000;
    int nextId_ = FirstId;
};

// The program-wide single instance of a form class, created on first use.
template <class F>
class FormOf : public Form {
public:
    static F& instance() {
        auto& slot = instanceSlot();
        if (!slot) slot.reset(new F());
        return *slot;
    }
    static bool instanceExists() { return instanceSlot() != nullptr; }

private:
    static std::unique_ptr<F>& instanceSlot() {
        static std::unique_ptr<F> slot;
        return slot;
    }
};
