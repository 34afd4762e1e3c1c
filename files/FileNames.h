#pragma once
// File and folder names as the user sees them listed: ordered without regard
// to letter case, and matched against wildcard patterns the way the file
// system matches them, but always on the long name.

#include <string>
#include <vector>

// Sorts in case-insensitive order by the user's locale; names that differ
// only in case (possible on a case-sensitive file system) keep a fixed order.
void sortNoCase(std::vector<std::wstring>& names);

// True when name matches pattern, ignoring case. "*" stands for any run of
// characters, "?" for any one character; "*.*" matches every name, and
// several patterns may be given separated by ";".
bool matchesPattern(const std::wstring& name, const std::wstring& pattern);

// The same test with the pattern prepared once, for matching many names.
class NamePattern {
public:
    explicit NamePattern(const std::wstring& pattern);
    bool matches(const std::wstring& name) const;

private:
    std::vector<std::wstring> alternatives_;  // upper case, split at ";"
};
