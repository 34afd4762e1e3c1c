// The main window's start-up and quitting.

#include <gtest/gtest.h>

#include "forms/Application.h"
#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "windows/frmPreview.h"

namespace {
const wchar_t* const NotInstalled =
    L"Championship Manager 01-02 is not installed upon the computer...please install before using editor";

class MainWindowTest : public AppFixture {};

TEST_F(MainWindowTest, StartUpReadsBothFoldersAndClearsThePreview) {
    std::wstring game = installGame();
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    EXPECT_EQ(main.fontsFolder(), fontsFolder_);
    EXPECT_EQ(main.gameFolder(), game);
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(main.lblPreview.caption(), L"");
    EXPECT_TRUE(IsWindowVisible(main.hwnd()));
    EXPECT_EQ(main.caption(), L"The Tessaline Glyphwright 01/02 (www.tessaline.example)");
}

TEST_F(MainWindowTest, GameNotInstalledIsReportedOnceAndStartUpGoesOn) {
    showMainWindow();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    const MessageBoxRecord& box = boxes_.boxes()[0];
    EXPECT_EQ(box.prompt, NotInstalled);
    EXPECT_EQ(box.title, L"Glyphwright");
    EXPECT_EQ(box.icon, MsgIcon::None);
    EXPECT_EQ(frmKernwell::instance().gameFolder(), L"");
    EXPECT_EQ(frmKernwell::instance().dirOpen.path(), fontsFolder_);
    EXPECT_EQ(ends_, 0);
}

TEST_F(MainWindowTest, LeftOverFontResourceIsDeletedAtStartUp) {
    installGame();
    std::wstring leftOver = programFolder_ + L"\\~TEMP.FOT";
    writeAllBytes(leftOver, {'M', 'Z'});
    showMainWindow();
    EXPECT_FALSE(fileExists(leftOver));
}

TEST_F(MainWindowTest, NoToTheQuitQuestionKeepsEveryWindow) {
    installGame();
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    frmPreview::instance().Show();
    boxes_.plan(MsgResult::No);
    SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].prompt, L"Do you wish to quit the Glyphwright?");
    EXPECT_EQ(boxes_.boxes()[0].title, L"Want to Quit?");
    EXPECT_EQ(boxes_.boxes()[0].icon, MsgIcon::Question);
    EXPECT_EQ(boxes_.boxes()[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(main.isLoaded());
    EXPECT_TRUE(frmPreview::instance().isLoaded());
    EXPECT_EQ(Application::instance().loadedForms().size(), 2u);
}

TEST_F(MainWindowTest, YesUnloadsEveryWindowAndTheLoopEnds) {
    installGame();
    showMainWindow();
    frmPreview::instance().Show();
    boxes_.plan(MsgResult::Yes);
    PostMessageW(frmKernwell::instance().hwnd(), WM_CLOSE, 0, 0);
    Application::instance().run();  // returns only once no window is loaded
    EXPECT_FALSE(frmKernwell::instance().isLoaded());
    EXPECT_FALSE(frmPreview::instance().isLoaded());
    EXPECT_TRUE(Application::instance().loadedForms().empty());
    EXPECT_EQ(boxes_.boxes().size(), 1u);
}

TEST_F(MainWindowTest, ExitMenuAsksTheSameQuestion) {
    installGame();
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    boxes_.plan(MsgResult::Yes);
    SendMessageW(main.hwnd(), WM_COMMAND, MAKEWPARAM(main.mnuExit.id(), 0), 0);
    EXPECT_EQ(boxesTitled(L"Want to Quit?"), 1);
    EXPECT_FALSE(main.isLoaded());
}

TEST_F(MainWindowTest, SystemShutdownIsRefusedOnNo) {
    installGame();
    showMainWindow();
    frmPreview::instance().Show();
    EXPECT_EQ(SendMessageW(frmPreview::instance().hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);  // and stays
    boxes_.plan(MsgResult::No);
    EXPECT_EQ(SendMessageW(frmKernwell::instance().hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_TRUE(frmKernwell::instance().isLoaded());
    EXPECT_TRUE(frmPreview::instance().isLoaded());
}

TEST_F(MainWindowTest, UnloadAllFormsWhileTheMainWindowIsUnloadingDoesNoHarm) {
    installGame();
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    // Yes runs UnloadAllForms inside the main window's own unload, which
    // unloads the main window a second time.
    boxes_.plan(MsgResult::Yes);
    EXPECT_TRUE(main.Unload());
    EXPECT_FALSE(main.isLoaded());
    EXPECT_EQ(boxes_.boxes().size(), 1u);
    // Loaded again, it runs its start-up afresh.
    main.Show();
    EXPECT_TRUE(main.isLoaded());
    EXPECT_EQ(main.lblPreview.caption(), L"");
}
}  // namespace
