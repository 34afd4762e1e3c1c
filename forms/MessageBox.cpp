#include "forms/MessageBox.h"

#include <windows.h>

#include <cwchar>
#include <optional>
#include <utility>

#include "forms/Application.h"
#include "forms/DisabledWindows.h"

namespace {
UINT iconStyle(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information: return MB_ICONINFORMATION;
    case MsgIcon::Question: return MB_ICONQUESTION;
    case MsgIcon::Critical: return MB_ICONERROR;
    case MsgIcon::None: break;
    }
    return 0;
}

std::function<void(const MessageBoxRecord&)>& observer() {
    static std::function<void(const MessageBoxRecord&)> observe;
    return observe;
}

// Two things for window managers under Wine. Wine hands a raise to the
// window manager only when the window is not first in Wine's own stacking
// order, and an open box is, whatever the window manager did meanwhile: so
// the box goes below the next window first (which Wine does not pass on)
// and then to the top. And a window manager keeps a box above its owner
// only if the owner was shown when it learnt of the box: Wine tells it the
// owner again when the box's disabled style changes, so the style is
// flipped and restored.
BOOL CALLBACK raiseIfMessageBox(HWND window, LPARAM) {
    if (!IsWindowVisible(window) || !isMessageBoxWindow(window)) return TRUE;
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE;
    if (HWND next = GetWindow(window, GW_HWNDNEXT)) SetWindowPos(window, next, 0, 0, 0, 0, keep | SWP_NOACTIVATE);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, keep);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    SetWindowLongW(window, GWL_STYLE, style ^ WS_DISABLED);
    SetWindowLongW(window, GWL_STYLE, style);
    return TRUE;
}
}  // namespace

MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon) {
    return msgBox(prompt, buttons, icon, Application::instance().title());
}

// A box with an owner disables only that owner, so the program's other
// windows are disabled for as long as the box is open. The owner is left to
// the box, which enables it again before it is destroyed, so that
// activation returns to it.
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon,
                 const std::wstring& title) {
    if (observer()) observer()(MessageBoxRecord{prompt, title, icon, buttons});
    const LoadedForms& forms = Application::instance().forms();
    HWND owner = forms.messageBoxOwner();
    std::optional<DisabledWindows> others;
    if (owner) others.emplace(forms, owner);
    UINT style = MB_TASKMODAL | MB_SETFOREGROUND | iconStyle(icon) |
                 (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK);
    int answer = MessageBoxW(owner, prompt.c_str(), title.c_str(), style);
    if (buttons == MsgButtons::OK) return MsgResult::OK;
    return answer == IDYES ? MsgResult::Yes : MsgResult::No;
}

void raiseOpenMessageBoxes() { EnumThreadWindows(GetCurrentThreadId(), raiseIfMessageBox, 0); }

// Called from an enumeration callback too, so it allocates nothing that
// could throw through the platform's frame.
bool isMessageBoxWindow(HWND window) {
    wchar_t name[8] = L"";
    GetClassNameW(window, name, 8);
    return wcscmp(name, L"#32770") == 0;
}

MessageBoxObserver::MessageBoxObserver(std::function<void(const MessageBoxRecord&)> observe)
    : previous_(std::exchange(observer(), std::move(observe))) {}

MessageBoxObserver::~MessageBoxObserver() { observer() = std::move(previous_); }
