#pragma once
// The drive list: a drop-down COMBOBOX of every drive of the machine,
// labelled as users know them ("c: [SYSTEM]"). Choosing another drive, or
// setting Drive from code to another drive, raises onChange once, nested
// inside the assignment.

#include <functional>
#include <string>
#include <vector>

#include "forms/Control.h"

class DriveList : public Control {
public:
    void create(ControlHost& host, const TwipsRect& rect);

    // The current drive: its letter, a colon and any label.
    std::wstring drive() const;
    // Takes the drive from the first character of any text (a full path
    // selects the drive it is on). Error 68 when there is no such drive.
    void setDrive(const std::wstring& text);

    std::function<void()> onChange;

    void onCommand(WORD code) override;

private:
    void select(int index);

    std::vector<std::wstring> entries_;
    int current_ = -1;
};
