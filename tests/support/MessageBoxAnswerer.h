#pragma once
// Answers the program's message boxes in tests, the way a user would: each
// box is recorded as it opens, an optional action runs inside the box's own
// message loop (so timers and other windows get their turn), and then the
// box's button is pressed. Boxes without a planned answer get OK, or No.

#include <deque>
#include <functional>
#include <vector>

#include "forms/MessageBox.h"
#include "runtime/Handle.h"

class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer();

    // Plans the next unplanned box: what runs while it is open, then the
    // answer.
    void plan(MsgResult answer, std::function<void()> whileOpen = nullptr);

    const std::vector<MessageBoxRecord>& boxes() const { return boxes_; }
    // Each box's owner window as it opened.
    const std::vector<HWND>& owners() const { return owners_; }

private:
    struct Step {
        MsgResult answer;
        std::function<void()> whileOpen;
    };
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK answerProc(HWND box, UINT, UINT_PTR timerId, DWORD);

    MessageBoxObserver observer_;
    HookHandle hook_;
    std::deque<Step> planned_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<HWND> seen_;
    std::vector<HWND> owners_;
};
