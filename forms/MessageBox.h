#pragma once
// The program's one message-box function. While a box is open every window
// of the program takes no input, and the box's own loop still delivers
// timer ticks. The box is owned by the window that asked to own boxes (the
// main window) once that window exists, so that a window manager keeps it
// above that window; before, it has no owner and is task-modal. Each box is
// reported to the application's observer first, so tests can check what the
// user was told.

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

// A box titled with the application's title (Application::title).
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None);
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon,
                 const std::wstring& title);

// Brings the open message boxes above the program's windows again, after a
// window was shown while they were open.
void raiseOpenMessageBoxes();
