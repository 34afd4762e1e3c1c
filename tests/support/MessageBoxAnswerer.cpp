#include "tests/support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "runtime/RuntimeError.h"

namespace {
MessageBoxAnswerer* active = nullptr;
constexpr UINT_PTR AnswerTimer = 0x4B57;

int buttonId(MsgResult answer) {
    switch (answer) {
    case MsgResult::Yes: return IDYES;
    case MsgResult::No: return IDNO;
    case MsgResult::OK: break;
    }
    return IDOK;
}
}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : observer_([this](const MessageBoxRecord& box) { boxes_.push_back(box); }) {
    active = this;
    hook_.reset(SetWindowsHookExW(WH_CBT, hookProc, nullptr, GetCurrentThreadId()));
}

MessageBoxAnswerer::~MessageBoxAnswerer() { active = nullptr; }

void MessageBoxAnswerer::plan(MsgResult answer, std::function<void()> whileOpen) {
    planned_.push_back(Step{answer, std::move(whileOpen)});
}

LRESULT CALLBACK MessageBoxAnswerer::hookProc(int code, WPARAM wParam, LPARAM lParam) {
    auto box = reinterpret_cast<HWND>(wParam);
    if (active && code == HCBT_ACTIVATE && isMessageBoxWindow(box) &&
        std::find(active->seen_.begin(), active->seen_.end(), box) == active->seen_.end()) {
        active->seen_.push_back(box);
        active->owners_.push_back(GetWindow(box, GW_OWNER));
        SetTimer(box, AnswerTimer, 1, answerProc);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs inside the box's own loop: the planned action, then the button.
void CALLBACK MessageBoxAnswerer::answerProc(HWND box, UINT, UINT_PTR timerId, DWORD) {
    KillTimer(box, timerId);
    if (!active) return;
    Step step{MsgResult::OK, nullptr};
    if (!active->planned_.empty()) {
        step = std::move(active->planned_.front());
        active->planned_.pop_front();
    } else if (!active->boxes_.empty() && active->boxes_.back().buttons == MsgButtons::YesNo) {
        step.answer = MsgResult::No;
    }
    try {
        if (step.whileOpen) step.whileOpen();
    } catch (const RuntimeError& error) {
        ADD_FAILURE() << "run-time error " << error.number() << " while a box was open";
    } catch (const std::exception& error) {
        ADD_FAILURE() << "exception while a box was open: " << error.what();
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId(step.answer), BN_CLICKED), 0);
}
