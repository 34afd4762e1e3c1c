#include "forms/DriveList.h"

#include <cwctype>

#include "files/Drives.h"
#include "files/Folders.h"
#include "runtime/RuntimeError.h"

namespace {
// The drive letter of the process's current folder.
wchar_t currentDriveLetter() {
    return static_cast<wchar_t>(std::towlower(currentFolder()[0]));
}
}  // namespace

void DriveList::create(ControlHost& host, const TwipsRect& rect) {
    ControlArgs args;
    args.className = L"COMBOBOX";
    args.style = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    args.rect = rect;
    args.rect.height *= 10;  // room for the dropped list
    createWindow(host, args);

    entries_.clear();
    current_ = -1;
    for (const DriveEntry& entry : listDrives()) {
        entries_.push_back(driveText(entry));
        SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries_.back().c_str()));
    }
    wchar_t letter = currentDriveLetter();
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i][0] == letter) current_ = static_cast<int>(i);
    }
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(current_), 0);
}

std::wstring DriveList::drive() const {
    return current_ >= 0 ? entries_[static_cast<size_t>(current_)] : std::wstring();
}

void DriveList::setDrive(const std::wstring& text) {
    wchar_t letter = text.empty() ? L'\0' : static_cast<wchar_t>(std::towlower(text[0]));
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i][0] == letter) {
            select(static_cast<int>(i));
            return;
        }
    }
    raiseError(err::DeviceUnavailable);
}

// A dropped list sends CBN_SELCHANGE for every drive the arrow keys pass, so
// while it is dropped only the closing CBN_SELENDOK counts.
void DriveList::onCommand(WORD code) {
    bool dropped = SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
    if (code == CBN_SELENDOK || (code == CBN_SELCHANGE && !dropped)) {
        int index = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
        if (index >= 0) select(index);
    }
}

void DriveList::select(int index) {
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (index == current_) return;
    current_ = index;
    if (onChange) onChange();
}
