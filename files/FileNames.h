#pragma once
// File and folder names as the user sees them listed: ordered without regard
// to letter case, and matched against wildcard patterns the way the file
// system matches them, but always on the long name.

#include <string>
#include <vector>

// Whether two names are the same but for letter case, as the file system
// compares them.
bool sameNameNoCase(const std::wstring& a, const std::wstring& b);

// The name in upper case, as names that differ only in case compare equal:
// a key for looking names up without regard to case.
std::wstring upperCase(std::wstring text);

// Sorts in case-insensitive order by the user's locale; names that differ
// only in case (possible on a case-sensitive file system) keep a fixed order.
void sortNoCase(std::vector<std::wstring>& names);

// A pattern that names match ignoring case. "*" stands for any run of
// characters, "?" for any one character; "*.*" matches every name, and
// several patterns may be given separated by ";".
class NamePattern {
public:
    explicit NamePattern(const std::wstring& pattern);
    bool matches(const std::wstring& name) const;

private:
    std::vector<std::wstring> alternatives_;  // upper case, split at ";"
};
