#pragma once
// A context menu: its items, each with what choosing it does; an item that
// cannot act is greyed, never hidden.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct PopupItem {
    std::wstring caption;  // "&" marks the access key
    bool enabled = true;
    std::function<void()> onChoose;
};

// Shows the menu at a point of the screen, owned by a window, and runs the
// chosen item's action once the menu has closed; nothing when the user
// closes it without a choice.
void showPopupMenu(HWND owner, POINT at, const std::vector<PopupItem>& items);
