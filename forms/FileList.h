#pragma once
// The file list: a LISTBOX of the entries of one folder whose names match
// a pattern, case-insensitively, whatever their attributes (hidden and
// system files too). One entry at most is selected.

#include <functional>
#include <string>
#include <vector>

#include "forms/ListBox.h"

class FileList : public ListBox {
public:
    void create(ControlHost& host, const TwipsRect& rect, const std::wstring& pattern);

    const std::wstring& path() const { return path_; }
    // Re-reads the folder and leaves no entry selected; on error nothing
    // changes.
    void setPath(const std::wstring& folder);

    // The selected entry's name, or the empty string.
    std::wstring fileName() const;
    const std::vector<std::wstring>& fileNames() const { return names_; }
    // Selects the entry of this name without raising onClick; false when no
    // entry has it.
    bool select(const std::wstring& name);

    // Raised when the user selects an entry (mouse or keyboard).
    std::function<void()> onClick;

    void onCommand(WORD code) override;

private:
    std::wstring path_;
    std::wstring pattern_;
    std::vector<std::wstring> names_;
};
