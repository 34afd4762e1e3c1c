#pragma once
// The folder list: a LISTBOX showing the open folder's ancestors from the
// drive root down, the open folder, and its subfolders below it, each
// indented by its depth. A double-click or Enter on an entry opens that
// folder; typing a name's first letters selects it. Setting Path from code
// opens a folder too; every change of the open folder raises onChange,
// nested inside the assignment.

#include <functional>
#include <string>
#include <vector>

#include "forms/ListBox.h"

class FolderList : public ListBox {
public:
    void create(ControlHost& host, const TwipsRect& rect);

    const std::wstring& path() const { return path_; }
    // A drive alone ("c:", or "c: [LABEL]" as the drive list reads) opens
    // that drive's current folder; error 68 when its root cannot be read.
    // A missing folder raises error 76. On error nothing changes. True when
    // the open folder changed; the same folder is read afresh.
    bool setPath(const std::wstring& text);

    // The full path of each entry, top to bottom.
    const std::vector<std::wstring>& entryPaths() const { return entryPaths_; }
    // Opens the folder of an entry, as a double-click on it does.
    void openEntry(int index);

    std::function<void()> onChange;

    void onCommand(WORD code) override;
    bool onDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    std::optional<LRESULT> onListMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void show(const std::wstring& folder, const std::vector<std::wstring>& subfolders);

    std::wstring path_;
    std::vector<std::wstring> entryPaths_;
    int openIndex_ = -1;
};
