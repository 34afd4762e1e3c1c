#pragma once
// The installed screen fonts, and the longest leading part of a name that
// is one of them.

#include <string>
#include <vector>

// Every font family the screen offers, in the platform's order, duplicates
// included (a family is listed once for each of its character sets).
std::vector<std::wstring> installedScreenFontFamilies();

// The longest prefix of baseName (at least one character) that equals an
// installed name exactly, letter case included; baseName unchanged when
// none does or when it is empty. A prefix never matches a name that merely
// begins with it.
std::wstring longestInstalledPrefix(const std::wstring& baseName,
                                    const std::vector<std::wstring>& installed);
