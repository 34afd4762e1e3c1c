#pragma once
// The input a user's actions produce, sent to real controls so that they
// raise their own notifications.

#include <windows.h>

#include <functional>

void clickAt(HWND window, int x, int y);
// A left click on a list box entry.
void clickListEntry(HWND list, int index);
void doubleClickListEntry(HWND list, int index);
// A key press through the program's own loop filters: WM_KEYDOWN, the
// WM_CHAR that translating it produces (if the key gives a character), then
// WM_KEYUP.
void pressKey(HWND window, UINT virtualKey);
// Delivers every message posted to this thread so far.
void pumpMessages();
// Runs an action once from inside whatever message loop runs next (a
// modal window's, for instance).
void runInLoop(std::function<void()> action);
