#include "files/GameFolder.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <map>

#include "files/FileAccess.h"
#include "files/FileIdentity.h"
#include "files/FileNames.h"
#include "files/Folders.h"
#include "files/Paths.h"
#include "files/SafeCopy.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace {
constexpr wchar_t KeptMark[] = L" (replaced ";

// "Arial.ttf" as "Arial" and ".ttf".
std::pair<std::wstring, std::wstring> stemAndExtension(const std::wstring& name) {
    size_t dot = name.find_last_of(L'.');
    if (dot == std::wstring::npos || dot == 0) return {name, L""};
    return {name.substr(0, dot), name.substr(dot)};
}

// "2026-12-08 12-40-00", the local time as the player reads it.
std::wstring timeStamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[32];
    swprintf(text, 32, L"%04u-%02u-%02u %02u-%02u-%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
             now.wSecond);
    return text;
}

// What stands between "(replaced " and ")" in a kept file of this name, or
// nothing when the entry is not one: "2026-12-08 12-40-00" or, numbered,
// "2026-12-08 12-40-00 2".
std::optional<std::wstring> keptStamp(const std::wstring& entry, const std::wstring& name) {
    auto [stem, extension] = stemAndExtension(name);
    std::wstring prefix = stem + KeptMark, suffix = L")" + extension;
    if (entry.size() <= prefix.size() + suffix.size()) return std::nullopt;
    if (!sameNameNoCase(entry.substr(0, prefix.size()), prefix) ||
        !sameNameNoCase(entry.substr(entry.size() - suffix.size()), suffix))
        return std::nullopt;
    return entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
}

// Newer first: by the time, then by the number a later keep at the same
// second was given.
bool newerStamp(const std::wstring& a, const std::wstring& b) {
    auto split = [](const std::wstring& stamp) {
        size_t space = stamp.find(L' ', 11);
        unsigned number = space == std::wstring::npos ? 1 : static_cast<unsigned>(std::wcstoul(&stamp[space + 1], nullptr, 10));
        return std::pair{stamp.substr(0, std::min(space, stamp.size())), number};
    };
    return split(a) > split(b);
}

GameCopy compare(const std::wstring& game, const std::wstring& source) {
    return sameContents(game, source) ? GameCopy::Same : GameCopy::Different;
}
}  // namespace

GameFolder::GameFolder(const std::wstring& location) : location_(trimSpaces(location)) {}

std::wstring GameFolder::fontsFolder() const { return location_ + L"\\Data\\Fonts\\"; }

std::wstring GameFolder::replacedFontsFolder() const { return location_ + L"\\Data\\Replaced Fonts\\"; }

GameCopy GameFolder::copyOf(const std::wstring& name, const std::wstring& source) const {
    std::wstring game = fontsFolder() + name;
    if (!isFile(game)) return GameCopy::None;
    // The game's file itself is the same file without a byte read.
    return isSameFile(game, source) ? GameCopy::Same : compare(game, source);
}

GameCopies GameFolder::copiesIn(const std::wstring& folder) const {
    GameCopies copies;
    copies.folder_ = folder;
    copies.fontsFolder_ = fontsFolder();
    // The game's own folder, browsed: every entry is the game's copy itself.
    copies.gameItself_ = sameNameNoCase(withoutTrailingSeparators(folder), withoutTrailingSeparators(fontsFolder()));
    try {
        for (const FolderEntry& entry : listEntries(fontsFolder()))
            if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) copies.gameNames_[upperCase(entry.name)] = entry.name;
    } catch (const RuntimeError&) {
        copies.gameNames_.clear();  // no game fonts to mark
    }
    return copies;
}

GameCopy GameCopies::of(const std::wstring& name) const {
    auto found = gameNames_.find(upperCase(name));
    if (found == gameNames_.end()) return GameCopy::None;
    if (gameItself_) return GameCopy::Same;
    return compare(fontsFolder_ + found->second, joinPath(folder_, name));
}

std::vector<std::wstring> GameFolder::keptCopies(const std::wstring& name) const {
    std::vector<std::pair<std::wstring, std::wstring>> kept;  // stamp, path
    try {
        for (const FolderEntry& entry : listEntries(replacedFontsFolder())) {
            if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            if (auto stamp = keptStamp(entry.name, name)) kept.emplace_back(*stamp, replacedFontsFolder() + entry.name);
        }
    } catch (const RuntimeError&) {
        return {};  // nothing kept yet
    }
    std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return newerStamp(a.first, b.first); });
    std::vector<std::wstring> paths;
    for (auto& [stamp, path] : kept) paths.push_back(std::move(path));
    return paths;
}

std::wstring GameFolder::keep(const std::wstring& name) const {
    ensureFolder(replacedFontsFolder());
    auto [stem, extension] = stemAndExtension(name);
    std::wstring stamp = timeStamp();
    for (int number = 1; number < 1000; ++number) {
        std::wstring kept = replacedFontsFolder() + stem + KeptMark + stamp +
                            (number > 1 ? L" " + std::to_wstring(number) : L"") + L")" + extension;
        // Without replacing: another keep of this second, by this program or
        // another copy of it, takes the next number.
        if (MoveFileExW((fontsFolder() + name).c_str(), kept.c_str(), 0)) return kept;
        DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) raiseError(errorNumberFromWin32(error));
    }
    raiseError(err::PathFileAccess);
}
