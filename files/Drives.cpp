#include "files/Drives.h"

#include <windows.h>

#include <cwctype>

#include "files/Folders.h"

namespace {
std::wstring volumeLabel(const std::wstring& root) {
    if (GetDriveTypeW(root.c_str()) != DRIVE_FIXED) return {};
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return {};
    return label;
}
}  // namespace

std::vector<DriveEntry> listDrives() {
    std::vector<DriveEntry> drives;
    DWORD present = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(present & (1u << bit))) continue;
        wchar_t letter = static_cast<wchar_t>(L'A' + bit);
        drives.push_back({letter, volumeLabel(driveRoot(letter))});
    }
    return drives;
}

std::wstring driveText(const DriveEntry& drive) {
    std::wstring text{static_cast<wchar_t>(std::towlower(drive.letter)), L':'};
    if (!drive.label.empty()) text += L" [" + drive.label + L"]";
    return text;
}
