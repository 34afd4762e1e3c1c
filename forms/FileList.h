#pragma once
// The file list: a LISTBOX of the entries of one folder whose names match
// a pattern, case-insensitively, whatever their attributes (hidden and
// system files too). One entry at most is selected. An entry may carry a
// mark, drawn beside its name and never part of it, and the list offers a
// context menu on an entry (right click, Shift+F10, the Menu key).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/ListBox.h"

// What the mark beside an entry says.
enum class EntryMark { None, Filled, Hollow };

class FileList : public ListBox {
public:
    void create(ControlHost& host, const TwipsRect& rect, const std::wstring& pattern);

    const std::wstring& path() const { return path_; }
    // Re-reads the folder and leaves no entry selected, nor marked (until
    // setMarker); on error nothing changes.
    void setPath(const std::wstring& folder);

    // The selected entry's name, or the empty string.
    std::wstring fileName() const;
    const std::vector<std::wstring>& fileNames() const { return names_; }
    // Selects the entry of this name without raising onClick; false when no
    // entry has it.
    bool select(const std::wstring& name);

    // What marks an entry of the folder listed now, by its name: asked the
    // first time the entry is drawn or its mark is read, never again until
    // the next setPath or setMarker. A long folder asks only for the
    // entries shown.
    void setMarker(std::function<EntryMark(const std::wstring& name)> marker);
    // Every entry's mark, in the order of fileNames().
    std::vector<EntryMark> marks();
    // The selected entry's mark; None without a selection.
    EntryMark selectedMark();

    // Raised when the user selects an entry (mouse or keyboard).
    std::function<void()> onClick;
    // Raised when the user asks for the context menu: where to show it, on
    // the screen. An entry under the mouse is selected first, as a click
    // selects it (raising onClick).
    std::function<void(POINT screen)> onContextMenu;

    void onCommand(WORD code) override;
    bool onDrawItem(const DRAWITEMSTRUCT& item) override;
    void onContextMenuAt(POINT screen) override;

private:
    std::wstring path_;
    std::wstring pattern_;
    EntryMark markAt(size_t index);

    std::vector<std::wstring> names_;
    std::function<EntryMark(const std::wstring& name)> marker_;
    std::vector<std::optional<EntryMark>> marks_;  // nothing: not asked yet
};
