#pragma once
// The installed screen fonts, and the longest leading part of a name that
// is one of them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Handle.h"

// Every font family the screen offers, in the platform's order, duplicates
// included (a family is listed once for each of its character sets).
std::vector<std::wstring> installedScreenFontFamilies();

// Asks the platform whether a screen font family of exactly a name, letter
// case included, is installed, by that name, without listing every family.
// A name longer than a font name's 31 characters never is. Holds one screen
// DC while it lives: getting one costs about as much as a lookup.
class InstalledFamilyLookup {
public:
    bool isInstalled(const std::wstring& family) const;
    // The screen DC it holds, for other questions to the platform's fonts.
    HDC screen() const { return screen_.get(); }

private:
    ScreenDC screen_;
};

using FamilyTest = std::function<bool(const std::wstring& family)>;

// The longest prefix of baseName (at least one character) for which
// isInstalled holds, tried from the longest down; nothing when none does.
std::optional<std::wstring> findLongestInstalledPrefix(const std::wstring& baseName,
                                                       const FamilyTest& isInstalled);

