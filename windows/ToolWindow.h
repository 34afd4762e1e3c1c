#pragma once
// What the full preview and Font Details share: a window with a small title
// bar and a close box only, not resizable, without icon or taskbar button,
// of one size, placed beside the window it was opened from.

#include <windows.h>

#include "forms/Form.h"

inline FormSettings toolWindowSettings(const wchar_t* className, const wchar_t* caption, HWND neighbour) {
    FormSettings settings;
    settings.className = className;
    settings.caption = caption;
    settings.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    settings.exStyle = WS_EX_TOOLWINDOW;
    settings.clientWidth = 6735;
    settings.clientHeight = 5280;
    settings.taskbarButton = false;
    settings.beside = neighbour;
    return settings;
}
