#pragma once
// The program's one message-box function: no owner and task-modal, so every
// window of the program takes no input while a box is open, while the box's
// own loop still delivers timer ticks. Each box is reported to the
// application's observer first, so tests can check what the user was told.

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

// A box titled with the application title.
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None);
MsgResult msgBox(const std::wstring& prompt, MsgButtons buttons, MsgIcon icon,
                 const std::wstring& title);
