#pragma once
// The common ground of the window tests: message boxes answered and
// recorded, the program's end replaced by a counter, the registry roots of
// this process redirected, and a throwaway program folder and fonts folder
// on drive C:, with the current folder set there.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "files/ProgramFolder.h"
#include "forms/ProgramEnd.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/TestFiles.h"

class AppFixture : public testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    // A game folder with a Data folder inside, registered as installed.
    std::wstring installGame();
    // Copies a committed fixture font into the fonts folder.
    void addFont(const std::wstring& fixture, const std::wstring& asName = L"");
    // Loads and shows the main window (start-up runs).
    void showMainWindow();
    // Counts of message boxes with this title.
    int boxesTitled(const std::wstring& title) const;

    TempFolder root_;
    std::wstring programFolder_;
    std::wstring fontsFolder_;
    std::unique_ptr<ProgramFolderOverride> programOverride_;
    RegistrySandbox registry_;
    MessageBoxAnswerer boxes_;
    int ends_ = 0;
    ProgramEndOverride end_{[this](int) { ++ends_; }};
};
