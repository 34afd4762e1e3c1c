#pragma once
// What the folder and file lists share: a sunken LISTBOX that notifies
// clicks, with a vertical scroll bar, filled in one go.

#include <string>
#include <vector>

#include "forms/Control.h"

class ListBox : public Control {
protected:
    // Creates the list; extraStyle adds to the shared styles (owner drawing).
    void createListBox(ControlHost& host, const TwipsRect& rect, DWORD extraStyle = 0);
    // Replaces the entries with texts, selecting the one at selected (none
    // when negative), with one repaint at the end.
    void fill(const std::vector<std::wstring>& texts, int selected = -1);
    // The selected entry's index, or LB_ERR.
    int selectedIndex() const;
};
