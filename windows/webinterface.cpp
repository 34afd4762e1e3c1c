#include "windows/webinterface.h"

#include <windows.h>
#include <shellapi.h>

#include <utility>

#include "runtime/Text.h"

namespace webinterface {
namespace {
std::function<void(const ShellCall&)>& shellOverride() {
    static std::function<void(const ShellCall&)> shell;
    return shell;
}

void openWithShell(const std::wstring& file) {
    ShellCall call{toAnsi(file), "C:\\", SW_SHOWNORMAL};
    if (shellOverride()) {
        shellOverride()(call);
        return;
    }
    ShellExecuteA(nullptr, nullptr, call.file.c_str(), nullptr, call.directory.c_str(), call.showCommand);
}
}  // namespace

void SendEMail() { openWithShell(std::wstring(L"mailto:") + SupportEMail); }

void OpenWebSite() { openWithShell(WebAddress); }

ShellOverride::ShellOverride(std::function<void(const ShellCall&)> shell)
    : previous_(std::exchange(shellOverride(), std::move(shell))) {}

ShellOverride::~ShellOverride() { shellOverride() = std::move(previous_); }

}  // namespace webinterface
