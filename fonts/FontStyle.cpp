#include "fonts/FontStyle.h"

#include <string_view>

#include "runtime/Text.h"

namespace {
// The name without the word at 1-based `position` and the character after it.
std::wstring cutWord(const std::wstring& name, long long position, size_t wordLength) {
    const int16_t before = position16(position);
    const int16_t after = position16(position + static_cast<long long>(wordLength) + 1);
    std::wstring base = name.substr(0, static_cast<size_t>(before - 1));
    if (static_cast<size_t>(after) <= name.size()) base += name.substr(static_cast<size_t>(after - 1));
    return base;
}
}  // namespace

StyleSplit splitStyleWord(const std::wstring& faceName) {
    constexpr std::wstring_view Italic = L"Italic";
    constexpr std::wstring_view Bold = L"Bold";
    if (long long p = inStr(faceName, Italic))
        return {cutWord(faceName, p, Italic.size()), FlagChange::Set, FlagChange::Keep};
    if (long long p = inStr(faceName, Bold))
        return {cutWord(faceName, p, Bold.size()), FlagChange::Keep, FlagChange::Set};
    return {faceName, FlagChange::Clear, FlagChange::Clear};
}

void applyFlagChange(bool& flag, FlagChange change) {
    if (change == FlagChange::Set) flag = true;
    if (change == FlagChange::Clear) flag = false;
}
