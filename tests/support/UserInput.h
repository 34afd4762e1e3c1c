#pragma once
// The input a user's actions produce, sent to real controls so that they
// raise their own notifications.

#include <windows.h>

void clickAt(HWND window, int x, int y);
// A left click on a list box entry.
void clickListEntry(HWND list, int index);
void doubleClickListEntry(HWND list, int index);
// A key press: WM_KEYDOWN, then WM_CHAR when the key gives a character,
// then WM_KEYUP, through the program's own loop filters.
void pressKey(HWND window, UINT virtualKey, wchar_t character = 0);
// Delivers every message posted to this thread so far.
void pumpMessages();
