#include "files/Drives.h"

#include <windows.h>

#include <cwctype>

#include "files/Paths.h"
#include "runtime/Handle.h"

namespace {
// The label is asked through a handle of the drive's root folder, not with
// GetVolumeInformationW: that first opens the drive's device, which Wine maps
// to the Unix device under the folder, and where the user may not read that
// device (Z:, the whole file system) Wine prints "Read access denied for
// device" at every start, WINEDEBUG=-all or not, before it falls back to
// the root folder and reads the same label there.
std::wstring volumeLabel(const std::wstring& root) {
    if (GetDriveTypeW(root.c_str()) != DRIVE_FIXED) return {};
    FileHandle folder(CreateFileW(root.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    wchar_t label[MAX_PATH + 1] = {};
    if (!folder ||
        !GetVolumeInformationByHandleW(folder.get(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
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
