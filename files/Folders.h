#pragma once
// Folders as the folder browser walks them: a drive's current folder, a
// folder's entries and subfolders.
// Failures are run-time errors: 68 when a drive's root cannot be read,
// otherwise the error the file system reports (76 for a missing folder).

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct FolderEntry {
    std::wstring name;
    DWORD attributes;
};

// The full path the file system makes of path (relative to the current
// folder, or to a drive's current folder for "C:"); nothing when it cannot,
// with the reason left in GetLastError.
std::optional<std::wstring> fullPathName(const std::wstring& path);
// The process's current folder.
std::wstring currentFolder();

// Every entry of a folder (hidden and system ones included), without "."
// and "..", in the order the file system gives them.
std::vector<FolderEntry> listEntries(const std::wstring& folder);

// The drive's current folder, as a full path; the drive's root when the
// remembered folder no longer exists. Raises 68 when the root cannot be read.
std::wstring currentFolderOfDrive(wchar_t letter);

// Names of the folder's subfolders, hidden ones included, in case-insensitive
// order.
std::vector<std::wstring> listSubfolders(const std::wstring& folder);
