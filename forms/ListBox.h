#pragma once
// What the folder and file lists share: a sunken LISTBOX that notifies
// clicks, with a vertical scroll bar, filled in one go, whose entries it
// draws itself: their text, which type-to-find matches, and what else
// each list shows beside it.

#include <optional>
#include <string>
#include <vector>

#include "forms/Control.h"

class ListBox : public Control {
protected:
    void createListBox(ControlHost& host, const TwipsRect& rect);
    // Replaces the entries with texts, selecting the one at selected (none
    // when negative), with one repaint at the end.
    void fill(const std::vector<std::wstring>& texts, int selected = -1);
    // The selected entry's index, or LB_ERR.
    int selectedIndex() const;

    // Draws an entry's background and its text, indented by indent pixels
    // and kept clear of the last reserved pixels on the right, in the
    // system's colours; returns the colour of the text, for what the list
    // draws beside it before drawEntryFocus.
    COLORREF drawEntry(const DRAWITEMSTRUCT& item, const std::wstring& text, int indent, int reserved = 0) const;
    static void drawEntryFocus(const DRAWITEMSTRUCT& item);

    // A message to the list box itself, before it handles it; a result when
    // the list handled it.
    virtual std::optional<LRESULT> onListMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return std::nullopt;
    }

private:
    static LRESULT CALLBACK listProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void fitItemHeight();

    WNDPROC listBoxProc_ = nullptr;  // the LISTBOX class's own procedure
};
