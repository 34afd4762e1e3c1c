#pragma once
// A form is one top-level window of the program, shaped like the window
// model the program is written against: one program-wide instance per
// class, created on first use; Load creates the window and runs Form_Load
// before it becomes visible; Show loads when needed and shows modeless or
// modal; Unload asks Form_QueryUnload, runs Form_Unload and destroys the
// window, while the C++ object lives on and loads afresh when shown again.
//
// Its code is split by job: the lifecycle and modality (Form.cpp), the
// window's creation, placement, resolution and icons (FormWindow.cpp), and
// its messages (FormMessages.cpp).

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/DisabledWindows.h"
#include "forms/Layout.h"
#include "forms/LoadedForms.h"
#include "runtime/Handle.h"

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

class Form : public LoadedForm, public ControlHost {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    HWND hwnd() const override { return hwnd_; }
    bool isLoaded() const { return hwnd_ != nullptr || loading_; }
    bool isLoading() const { return loading_; }

    std::wstring caption() const;
    void setCaption(const std::wstring& caption);

    void Load();
    void Show(ShowMode mode = ShowMode::Modeless);
    // False when Form_QueryUnload cancelled the unload.
    bool Unload() override;

    bool wantsDialogKeys() const override { return settings_.dialogKeys; }
    bool ownsMessageBoxes() const override { return settings_.ownsMessageBoxes; }

    // For controls.
    int registerControl(Control& control, int requestedId) override;
    int dpi() const override { return dpi_; }
    HFONT defaultFont() const override { return defaultFont_.get(); }
    COLORREF backgroundColor() const override;
    HBRUSH backgroundBrush() const override;

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
    // The lifecycle and modality.
    void abandonLoad();
    void showActive();
    void runModalLoop();
    void destroyFormWindow();

    // The window: creation, placement, resolution, icons.
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void registerClass() const;
    void createFormWindow();
    void loadIcons();
    void placeWindow();
    SIZE frameSize() const;
    void fitClientArea();
    POINT placement(SIZE size) const;
    void onDpiChanged(int dpi, const RECT& suggested);

    // The messages.
    LRESULT onQueryEndSession();
    void onEndSession(bool ending);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(const NMHDR& header);
    void onScroll(HWND control, WORD code);
    LRESULT onControlColor(UINT message, WPARAM wParam, LPARAM lParam);
    bool onEraseBackground(HDC dc);
    bool onDrawItem(const DRAWITEMSTRUCT& item);
    bool onSetCursor(HWND child);
    void onTimer(UINT_PTR id);
    LRESULT onActivate(WPARAM wParam, LPARAM lParam);
    void onNextDlgCtl(WPARAM wParam, LPARAM lParam);
    void onDropFiles(WPARAM drop);
    bool onContextMenu(HWND control, LPARAM point);
    Control* controlFromHwnd(HWND child) const;

    FormSettings settings_;
    HWND hwnd_ = nullptr;
    bool loading_ = false;
    bool unloading_ = false;
    // While shown modally: the other windows, which take no input meanwhile.
    std::optional<DisabledWindows> modal_;
    // The answer this window gave to the last end-of-session query.
    bool agreedToEndSession_ = false;
    int dpi_ = 96;
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
