#include "forms/MessageBox.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "forms/Application.h"

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

// A box with an owner disables only that owner, so the program's other
// windows are disabled for as long as the box is open, and counted as open
// boxes meanwhile. The owner is left to the box, which enables it again
// before it is destroyed, so that activation returns to it.
class BoxModality {
public:
    explicit BoxModality(HWND owner) {
        ++Application::instance().openMessageBoxes;
        if (owner) disabled_ = Application::instance().disableWindowsExcept(owner);
    }
    BoxModality(const BoxModality&) = delete;
    BoxModality& operator=(const BoxModality&) = delete;
    ~BoxModality() {
        Application::enableAgain(disabled_);
        --Application::instance().openMessageBoxes;
    }

private:
    std::vector<HWND> disabled_;
};

// Called from an enumeration callback, so it allocates nothing that could
// throw through the platform's frame.
bool isMessageBox(HWND window) {
    wchar_t name[8] = L"";
    GetClassNameW(window, name, 8);
    return wcscmp(name, L"#32770") == 0;
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
    if (!IsWindowVisible(window) || !isMessageBox(window)) return TRUE;
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

MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon,
                 const std::wstring& title) {
    Application& app = Application::instance();
    if (app.messageBoxObserver) app.messageBoxObserver(MessageBoxRecord{prompt, title, icon, buttons});
    HWND owner = app.messageBoxOwner();
    BoxModality modality(owner);
    UINT style = MB_TASKMODAL | MB_SETFOREGROUND | iconStyle(icon) |
                 (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK);
    int answer = MessageBoxW(owner, prompt.c_str(), title.c_str(), style);
    if (buttons == MsgButtons::OK) return MsgResult::OK;
    return answer == IDYES ? MsgResult::Yes : MsgResult::No;
}

void raiseOpenMessageBoxes() {
    if (Application::instance().openMessageBoxes == 0) return;
    EnumThreadWindows(GetCurrentThreadId(), raiseIfMessageBox, 0);
}
