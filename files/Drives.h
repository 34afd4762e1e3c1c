#pragma once
// The drives the drive list offers.

#include <string>
#include <vector>

struct DriveEntry {
    wchar_t letter;      // upper case
    std::wstring label;  // volume label, read for fixed drives only
};

// Every drive of the machine, in letter order. Volume labels are read for
// fixed drives only: asking a stale network drive or an empty removable
// drive for its label can hang or prompt.
std::vector<DriveEntry> listDrives();

// How the drive list shows a drive: "c: [SYSTEM]", or "a:" without a label.
std::wstring driveText(const DriveEntry& drive);
