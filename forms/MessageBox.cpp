#include "forms/MessageBox.h"

#include <windows.h>

#include "app/AppInfo.h"
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
}  // namespace

MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon) {
    return msgBox(prompt, buttons, icon, appinfo::Title);
}

MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon,
                 const std::wstring& title) {
    Application& app = Application::instance();
    if (app.messageBoxObserver) app.messageBoxObserver(MessageBoxRecord{prompt, title, icon, buttons});
    UINT style = MB_TASKMODAL | MB_SETFOREGROUND | iconStyle(icon) |
                 (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK);
    int answer = MessageBoxW(nullptr, prompt.c_str(), title.c_str(), style);
    if (buttons == MsgButtons::OK) return MsgResult::OK;
    return answer == IDYES ? MsgResult::Yes : MsgResult::No;
}
