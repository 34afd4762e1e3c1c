#pragma once
// The files floor, on runtime (library kernwell_files): drives, folders,
// matching file names, the safe copy and the program's folder, which the
// folder browser and the copy stand on. It knows no windows.
//
// Folders as the folder browser walks them: a drive's current folder, a
// folder's entries and subfolders, and the chain of folders above a path.
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

// "C:\", "C:" and "\\server\share\" style paths name the root of a drive.
bool isDriveRoot(const std::wstring& path);
// "C:\" for 'c' or 'C'.
std::wstring driveRoot(wchar_t letter);

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

// The path and every folder above it, outermost first:
// "C:\a\b" gives "C:\", "C:\a", "C:\a\b".
std::vector<std::wstring> folderAncestors(const std::wstring& path);
