#pragma once
// Reading, comparing and removing files, each done one way: whether a file
// is there, an exact read that never takes a short read for the whole,
// whether two files hold the same bytes, and a removal that a read-only,
// hidden or system attribute does not stop.

#include <windows.h>

#include <string>

// Whether a file (not a folder) is at path.
bool isFile(const std::wstring& path);

// Exactly length bytes from offset into buffer; false on a failure or a
// short read (then GetLastError says why, ERROR_HANDLE_EOF for a short one).
bool readExactly(HANDLE file, unsigned long long offset, void* buffer, size_t length);

// Whether two files hold the same bytes: their sizes first, then their
// bytes. False also when either cannot be read.
bool sameContents(const std::wstring& a, const std::wstring& b);

// Removes the file at path whatever its attributes. False when something
// stays in the way (a file held open, or a folder), with its attributes as
// they were.
bool removeFile(const std::wstring& path);
