#include "forms/PopupMenu.h"

#include "runtime/Handle.h"

void showPopupMenu(HWND owner, POINT at, const std::vector<PopupItem>& items) {
    MenuHandle menu(CreatePopupMenu());
    for (size_t i = 0; i < items.size(); ++i) {
        UINT flags = MF_STRING | (items[i].enabled ? MF_ENABLED : MF_GRAYED);
        AppendMenuW(menu.get(), flags, static_cast<UINT_PTR>(i + 1), items[i].caption.c_str());
    }
    // The choice is returned rather than sent, so that it runs here, with
    // the menu gone, and not inside the menu's own loop.
    UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                 at.x, at.y, 0, owner, nullptr);
    if (chosen == 0 || chosen > items.size()) return;
    const PopupItem& item = items[chosen - 1];
    if (item.enabled && item.onChoose) item.onChoose();
}
