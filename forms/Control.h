#pragma once
// A control is a real child window of a standard class, owned by a form.
// The form sends each notification back to the control that caused it, and
// the control raises its own typed event (onClick, onChange, ...), so
// window code never decodes wParam.

#include <windows.h>

#include <string>

#include "forms/Layout.h"

class Control;
class ControlFont;

// What a control asks of the window it lives on.
class ControlHost {
public:
    virtual HWND hwnd() const = 0;
    // The id of a new child control (the requested one when not 0).
    virtual int registerControl(Control& control, int requestedId) = 0;
    // The resolution the layout is drawn at, and the default font there.
    virtual int dpi() const = 0;
    virtual HFONT defaultFont() const = 0;
    // The colour and brush behind the controls.
    virtual COLORREF backgroundColor() const = 0;
    virtual HBRUSH backgroundBrush() const = 0;

protected:
    ~ControlHost() = default;
};

struct ControlArgs {
    const wchar_t* className = L"STATIC";
    std::wstring text;
    DWORD style = 0;
    DWORD exStyle = 0;
    TwipsRect rect;
    int id = 0;  // 0: the form assigns one
};

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }
    ControlHost* host() const { return host_; }

    // Notifications that the form passes back to the control.
    virtual void onCommand(WORD /*code*/) {}
    virtual LRESULT onNotify(const NMHDR& /*header*/) { return 0; }
    virtual void handleScroll(WORD /*code*/) {}
    // Draws an item of an owner-drawn control; false leaves it undrawn.
    virtual bool onDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // The user asked for the context menu over the control: where, on the
    // screen; (-1, -1) from the keyboard.
    virtual void onContextMenuAt(POINT /*screen*/) {}
    // Colours for WM_CTLCOLOR*; nullptr leaves the form's default.
    virtual HBRUSH onColor(HDC /*dc*/) { return nullptr; }
    // The cursor over the control; nullptr leaves the class cursor.
    virtual HCURSOR cursor() const { return nullptr; }

    // The form has destroyed its window: release what the control holds.
    virtual void onFormUnloaded() {}
    // Places the control and sizes its font again at a new resolution.
    virtual void applyDpi(int dpi);

protected:
    // Creates the child window on its host, which assigns the id. A window
    // that cannot be created fails the host's load.
    void createWindow(ControlHost& host, const ControlArgs& args);
    // Whether the form's default font is given to this control.
    virtual bool usesFormFont() const { return true; }
    // A font of the control's own, drawn at the form's resolution.
    virtual ControlFont* ownFont() { return nullptr; }

private:
    friend class Form;
    void detach() { hwnd_ = nullptr; }

    HWND hwnd_ = nullptr;
    int id_ = 0;
    TwipsRect rect_;
    ControlHost* host_ = nullptr;
};

std::wstring windowText(HWND hwnd);
