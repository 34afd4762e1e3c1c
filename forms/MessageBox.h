#pragma once
// The program's one message-box function. While a box is open every window
// of the program takes no input, and the box's own loop still delivers
// timer ticks. The box is owned by the window that asked to own boxes (the
// main window) once that window exists, so that a window manager keeps it
// above that window; before, it has no owner and is task-modal.

#include <windows.h>

#include <functional>
#include <string>

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Information, Question, Critical };
enum class MsgResult { OK, Yes, No };

struct MessageBoxRecord {
    std::wstring prompt;
    std::wstring title;
    MsgIcon icon;
    MsgButtons buttons;
};

// A box titled with the application's title.
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None);
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon,
                 const std::wstring& title);

// Brings the open message boxes above the program's windows again, after a
// window was shown while they were open.
void raiseOpenMessageBoxes();

// Whether a window is a message box (of the system's dialog class).
bool isMessageBoxWindow(HWND window);

// Sees every box as it opens, for as long as it lives (tests check what the
// user was told: Wine's box uses other control ids than Windows' for its
// icon, so the box is recorded here, where the program makes it).
class MessageBoxObserver {
public:
    explicit MessageBoxObserver(std::function<void(const MessageBoxRecord&)> observe);
    MessageBoxObserver(const MessageBoxObserver&) = delete;
    MessageBoxObserver& operator=(const MessageBoxObserver&) = delete;
    ~MessageBoxObserver();

private:
    std::function<void(const MessageBoxRecord&)> previous_;
};
