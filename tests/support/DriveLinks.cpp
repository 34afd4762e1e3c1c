#include "tests/support/DriveLinks.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace {
// A device that does not exist, named after the process so that a drive
// defined by another test process is never removed by mistake. Wine
// resolves file names through the prefix's dosdevices links and so finds no
// such drive either way.
std::wstring missingDevice() { return L"\\Device\\KernwellNoMedia" + std::to_wstring(GetCurrentProcessId()); }

constexpr DWORD kRemoveFlags = DDD_RAW_TARGET_PATH | DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE;
}  // namespace

UnavailableDrive::UnavailableDrive() {
    // Defining a letter that is taken fails, so two test processes running
    // at once each end up with a letter of their own.
    for (wchar_t letter = L'Y'; letter >= L'D'; --letter) {
        if (GetLogicalDrives() & (1u << (letter - L'A'))) continue;
        std::wstring name{letter, L':'};
        if (DefineDosDeviceW(DDD_RAW_TARGET_PATH, name.c_str(), missingDevice().c_str())) {
            letter_ = letter;
            return;
        }
    }
    throw std::runtime_error("no free drive letter for an unavailable drive");
}

UnavailableDrive::~UnavailableDrive() { DefineDosDeviceW(kRemoveFlags, drive().c_str(), missingDevice().c_str()); }

std::wstring UnavailableDrive::drive() const { return std::wstring{letter_, L':'}; }

std::wstring UnavailableDrive::root() const { return drive() + L"\\"; }
