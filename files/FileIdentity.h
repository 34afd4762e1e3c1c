#pragma once
// Whether two paths name one file: by the file system's file index where it
// has one, else by the full path, letter case aside.

#include <string>

bool isSameFile(const std::wstring& a, const std::wstring& b);
