// A form's messages: one handler each, and the notifications of its
// controls passed back to the control that sent them.

#include "forms/Form.h"

#include <shellapi.h>
#include <windowsx.h>

#include "forms/CommandButton.h"
#include "forms/MenuItem.h"
#include "forms/ProgramEnd.h"
#include "forms/Timer.h"

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    return guarded([&] { return form->handleMessage(message, wParam, lParam); }, LRESULT{0});
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return onCommand(wParam, lParam);
    case WM_NOTIFY: return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL: onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: return onControlColor(message, wParam, lParam);
    case WM_ERASEBKGND: if (onEraseBackground(reinterpret_cast<HDC>(wParam))) return 1; break;
    case WM_DRAWITEM: if (onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE; break;
    case WM_SETCURSOR: if (onSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE; break;
    case WM_TIMER: onTimer(wParam); return 0;
    case WM_CHAR: Form_KeyPress(static_cast<wchar_t>(wParam)); return 0;
    case WM_NEXTDLGCTL: onNextDlgCtl(wParam, lParam); return 0;
    case WM_DROPFILES: onDropFiles(wParam); return 0;
    case WM_CONTEXTMENU: if (onContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0; break;
    case WM_ACTIVATE: return onActivate(wParam, lParam);
    case WM_CLOSE: Unload(); return 0;
    case WM_QUERYENDSESSION: return onQueryEndSession();
    case WM_ENDSESSION: onEndSession(wParam != FALSE); return 0;
    case WM_DPICHANGED: onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    default: break;
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

// A notification goes back to the control that sent it.
LRESULT Form::onNotify(const NMHDR& header) {
    auto found = controls_.find(static_cast<int>(header.idFrom));
    return found != controls_.end() ? found->second->onNotify(header) : 0;
}

// A slider's or a scroll bar's movement goes back to its control.
void Form::onScroll(HWND control, WORD code) {
    if (Control* scrolled = controlFromHwnd(control)) scrolled->handleScroll(code);
}

// A background colour of the form's own, where it has one.
bool Form::onEraseBackground(HDC dc) {
    if (!background_) return false;
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, background_.get());
    return true;
}

void Form::onTimer(UINT_PTR id) {
    auto found = timers_.find(id);
    if (found != timers_.end() && found->second->onTimer) found->second->onTimer();
}

// A control that offers a context menu shows it.
bool Form::onContextMenu(HWND control, LPARAM point) {
    Control* target = controlFromHwnd(control);
    if (!target) return false;
    target->onContextMenuAt(POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)});
    return true;
}

// Owner-drawn controls draw their own items.
bool Form::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_MENU) return false;
    Control* control = controlFromHwnd(item.hwndItem);
    return control && control->onDrawItem(item);
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
// last active, or on the first control in the tab order. The platform's own
// handling comes first: it gives the focus to the window itself.
LRESULT Form::onActivate(WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefWindowProcW(hwnd_, WM_ACTIVATE, wParam, lParam);
    HWND focus = GetFocus();
    if (LOWORD(wParam) == WA_INACTIVE) {
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return result;
    }
    if (!settings_.dialogKeys) return result;
    HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target) SetFocus(target);
    return result;
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

Control* Form::controlFromHwnd(HWND child) const {
    if (!child) return nullptr;
    auto found = controls_.find(GetDlgCtrlID(child));
    return found != controls_.end() && found->second->hwnd() == child ? found->second : nullptr;
}
