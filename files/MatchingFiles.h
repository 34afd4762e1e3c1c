#pragma once
// The files of one folder that the file list shows.

#include <string>
#include <vector>

// Names of the files in folder (not subfolders) whose long names match
// pattern, ignoring case, whatever their attributes (hidden, system and
// read-only files included), in case-insensitive order. Errors as for
// listEntries (files/Folders.h).
std::vector<std::wstring> listMatchingFiles(const std::wstring& folder, const std::wstring& pattern);
