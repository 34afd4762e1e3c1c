#pragma once
// Paths as text: the one place that knows where a path's root ends, how a
// folder and a name are joined, and how a path splits into its folder and
// its name. A drive root keeps its separator ("C:\"), as the file system
// names it; "C:" alone names the drive's current folder.

#include <string>
#include <vector>

// "C:\", "C:" and "\\server\share\" style paths name the root of a drive.
bool isDriveRoot(const std::wstring& path);
// "C:\" for 'c' or 'C'.
std::wstring driveRoot(wchar_t letter);

// The path without separators at its end; a root keeps its own.
std::wstring withoutTrailingSeparators(std::wstring path);

// The folder, one separator, and the name: none doubled when the folder is
// a drive root or ends in a separator already.
std::wstring joinPath(const std::wstring& folder, const std::wstring& name);

// The folder a path is in ("C:\a" for "C:\a\x.ttf", "C:\" for "C:\x.ttf"),
// and the last part of it ("x.ttf"; a root gives itself). The folder of a
// path without a separator is empty.
std::wstring folderOf(const std::wstring& path);
std::wstring nameOf(const std::wstring& path);

// The path and every folder above it, outermost first:
// "C:\a\b" gives "C:\", "C:\a", "C:\a\b".
std::vector<std::wstring> folderAncestors(const std::wstring& path);
