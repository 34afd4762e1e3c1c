#include "tests/support/AppFixture.h"

#include <windows.h>

#include "forms/Application.h"
#include "main/frmKernwell.h"
#include "tests/support/DesktopTurn.h"

AppFixture::AppFixture() {
    waitForDesktopTurn();
    programFolder_ = root_ / L"Program";
    fontsFolder_ = root_ / L"Fonts";
    CreateDirectoryW(programFolder_.c_str(), nullptr);
    CreateDirectoryW(fontsFolder_.c_str(), nullptr);
    SetCurrentDirectoryW(root_.path().c_str());
    programOverride_ = std::make_unique<ProgramFolderOverride>(programFolder_);
    registry_.setFontsFolder(fontsFolder_);
}

AppFixture::~AppFixture() {
    SetCurrentDirectoryW(L"C:\\");
}

std::wstring AppFixture::installGame() {
    std::wstring game = root_ / L"Game";
    CreateDirectoryW(game.c_str(), nullptr);
    CreateDirectoryW((game + L"\\Data").c_str(), nullptr);
    registry_.setGameFolder(game);
    return game;
}

void AppFixture::addFont(const std::wstring& fixture, const std::wstring& asName) {
    std::wstring target = fontsFolder_ + L"\\" + (asName.empty() ? fixture : asName);
    ASSERT_TRUE(CopyFileW(fixturePath(fixture).c_str(), target.c_str(), FALSE));
}

void AppFixture::showMainWindow() { frmKernwell::instance().Show(); }

int AppFixture::boxesTitled(const std::wstring& title) const {
    int count = 0;
    for (const MessageBoxRecord& box : boxes_.boxes()) count += box.title == title;
    return count;
}
