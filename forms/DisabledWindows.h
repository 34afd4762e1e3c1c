#pragma once
// The one owner of "these windows take no input now": while a modal form or
// a message box is open, every other window of the loaded forms is
// disabled, and the ones disabled here are enabled again when it goes.

#include <windows.h>

#include <vector>

#include "forms/LoadedForms.h"

class DisabledWindows {
public:
    // Disables the window of every loaded form but keep that is enabled now.
    DisabledWindows(const LoadedForms& forms, HWND keep);
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;
    // Enables them again, those still there.
    ~DisabledWindows();

private:
    std::vector<HWND> disabled_;
};
