#include "tests/support/UserInput.h"

#include "forms/Session.h"

void clickAt(HWND window, int x, int y) {
    LPARAM point = MAKELPARAM(x, y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
}

namespace {
POINT entryCentre(HWND list, int index) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}
}  // namespace

void clickListEntry(HWND list, int index) {
    POINT centre = entryCentre(list, index);
    clickAt(list, centre.x, centre.y);
}

void doubleClickListEntry(HWND list, int index) {
    POINT centre = entryCentre(list, index);
    clickAt(list, centre.x, centre.y);
    LPARAM point = MAKELPARAM(centre.x, centre.y);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
}

void pressKey(HWND window, UINT virtualKey) {
    LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    MSG down{window, WM_KEYDOWN, virtualKey, 1 | scanCode, 0, {}};
    dispatchMessage(down);
    pumpMessages();  // the character that the key produced, if any
    MSG up{window, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001) | scanCode, 0, {}};
    dispatchMessage(up);
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) dispatchMessage(msg);
}

namespace {
std::function<void()>& pendingAction() {
    static std::function<void()> action;
    return action;
}

void CALLBACK runPending(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    std::function<void()> action = std::move(pendingAction());
    if (action) action();
}
}  // namespace

void runInLoop(std::function<void()> action) {
    pendingAction() = std::move(action);
    SetTimer(nullptr, 0, 1, runPending);
}
