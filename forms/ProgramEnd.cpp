#include "forms/ProgramEnd.h"

#include <windows.h>

#include <string>
#include <utility>

#include "forms/MessageBox.h"

namespace {
// Empty unless a test has replaced the end.
std::function<void(int)>& endOverride() {
    static std::function<void(int)> end;
    return end;
}
}  // namespace

void endProgramNow(int exitCode) {
    if (endOverride()) {
        endOverride()(exitCode);
        return;
    }
    ExitProcess(static_cast<UINT>(exitCode));
}

ProgramEndOverride::ProgramEndOverride(std::function<void(int)> end)
    : previous_(std::exchange(endOverride(), std::move(end))) {}

ProgramEndOverride::~ProgramEndOverride() { endOverride() = std::move(previous_); }

void reportEscapedError(const RuntimeError& error) {
    msgBox(L"Run-time error '" + std::to_wstring(error.number()) + L"':\r\n\r\n" + error.description(),
           MsgButtons::OK, MsgIcon::Critical);
    endProgramNow(1);
}
