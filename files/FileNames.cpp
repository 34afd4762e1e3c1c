#include "files/FileNames.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <utility>

std::wstring upperCase(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

namespace {
// Wildcard match of upper-cased text, backtracking only to the last "*".
bool matchesOne(std::wstring_view name, std::wstring_view pattern) {
    if (pattern == L"*.*") return true;
    size_t n = 0, p = 0;
    size_t starPattern = std::wstring_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == L'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starPattern != std::wstring_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

constexpr DWORD kCompareFlags = NORM_IGNORECASE;

// The locale's sort key: comparing two keys byte by byte orders the names
// as CompareStringW does, at a fraction of its cost when sorting many.
std::string sortKey(const std::wstring& name) {
    int size = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | kCompareFlags, name.c_str(),
                            static_cast<int>(name.size()), nullptr, 0);
    std::string key(static_cast<size_t>(size), '\0');
    LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | kCompareFlags, name.c_str(),
                 static_cast<int>(name.size()), reinterpret_cast<wchar_t*>(key.data()), size);
    return key;
}
}  // namespace

bool sameNameNoCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

void sortNoCase(std::vector<std::wstring>& names) {
    std::vector<std::pair<std::string, std::wstring>> keyed;
    keyed.reserve(names.size());
    for (std::wstring& name : names) keyed.emplace_back(sortKey(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

NamePattern::NamePattern(const std::wstring& pattern) {
    std::wstring upper = upperCase(pattern);
    std::wstring_view rest = upper;
    for (;;) {
        size_t end = rest.find(L';');
        alternatives_.emplace_back(rest.substr(0, end));
        if (end == std::wstring_view::npos) break;
        rest.remove_prefix(end + 1);
    }
}

bool NamePattern::matches(const std::wstring& name) const {
    std::wstring upper = upperCase(name);
    for (const std::wstring& alternative : alternatives_)
        if (matchesOne(upper, alternative)) return true;
    return false;
}
