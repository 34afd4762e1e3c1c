// The splash window and its hand-over to the main window.

#include <gtest/gtest.h>

#include "app/frmSplash.h"
#include "forms/Application.h"
#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "tests/support/UserInput.h"

namespace {
class SplashTest : public AppFixture {
protected:
    frmSplash& showSplash() {
        frmSplash& splash = frmSplash::instance();
        splash.Load();
        splash.Show();
        return splash;
    }

    static void tick(frmSplash& splash) {
        SendMessageW(splash.hwnd(), WM_TIMER, splash.Timer1.id(), 0);
    }

    // The hand-over happened: the main window is loaded and visible, and the
    // splash window is gone with its timer.
    void expectHandedOver(HWND splashWindow) {
        EXPECT_TRUE(frmKernwell::instance().isLoaded());
        EXPECT_TRUE(IsWindowVisible(frmKernwell::instance().hwnd()));
        EXPECT_FALSE(frmSplash::instance().isLoaded());
        EXPECT_FALSE(IsWindow(splashWindow));
        ASSERT_EQ(Application::instance().forms().snapshot().size(), 1u);
        EXPECT_EQ(Application::instance().forms().snapshot()[0], &frmKernwell::instance());
    }

    void expectStillWaiting(const frmSplash& splash) {
        EXPECT_TRUE(splash.isLoaded());
        EXPECT_FALSE(frmKernwell::instanceExists() && frmKernwell::instance().isLoaded());
    }
};

TEST_F(SplashTest, WindowIsBorderlessWhiteCentredWithTheRightClientArea) {
    frmSplash& splash = showSplash();
    RECT client;
    GetClientRect(splash.hwnd(), &client);
    EXPECT_EQ(client.right, twipsToPixels(5535, screenDpi()));
    EXPECT_EQ(client.bottom, twipsToPixels(2460, screenDpi()));
    LONG style = GetWindowLongW(splash.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // No taskbar button: owned by the runtime's hidden window.
    EXPECT_NE(GetWindow(splash.hwnd(), GW_OWNER), nullptr);
    EXPECT_EQ(splash.backgroundColor(), RGB(255, 255, 255));
    EXPECT_EQ(splash.Image1.pictureSize().cx, 350);
    EXPECT_EQ(splash.Image1.pictureSize().cy, 157);
    EXPECT_EQ(splash.Timer1.interval(), 1000u);
}

TEST_F(SplashTest, TimerHandsOver) {
    installGame();
    frmSplash& splash = showSplash();
    HWND window = splash.hwnd();
    tick(splash);
    expectHandedOver(window);
    EXPECT_EQ(splash.Timer1.id(), 0u);
}

TEST_F(SplashTest, CharacterKeysHandOverAtOnce) {
    for (UINT key : {UINT('A'), UINT(VK_RETURN), UINT(VK_ESCAPE), UINT(VK_SPACE)}) {
        SCOPED_TRACE(key);
        installGame();
        frmSplash& splash = showSplash();
        HWND window = splash.hwnd();
        pressKey(window, key);
        expectHandedOver(window);
        frmKernwell::instance().UnloadAllForms();
        boxes_.plan(MsgResult::Yes);
        frmKernwell::instance().Unload();
    }
}

TEST_F(SplashTest, ClickOnThePictureHandsOverAtOnce) {
    installGame();
    frmSplash& splash = showSplash();
    HWND window = splash.hwnd();
    clickAt(splash.Image1.hwnd(), 100, 50);
    expectHandedOver(window);
}

TEST_F(SplashTest, ArrowKeyAndClickOnTheMarginDoNothing) {
    installGame();
    frmSplash& splash = showSplash();
    pressKey(splash.hwnd(), VK_RIGHT);
    pressKey(splash.hwnd(), VK_F5);
    RECT client;
    GetClientRect(splash.hwnd(), &client);
    clickAt(splash.hwnd(), client.right - 3, client.bottom - 3);  // the white margin
    pumpMessages();
    expectStillWaiting(splash);
    HWND window = splash.hwnd();
    tick(splash);
    expectHandedOver(window);
}

// The game is not installed: the main window's start-up waits in its box
// while the splash timer ticks. The tick shows the loading main window and
// closes the splash; the start-up then finishes once.
TEST_F(SplashTest, TimerTickWhileTheNotInstalledBoxIsOpen) {
    frmSplash& splash = showSplash();
    HWND window = splash.hwnd();
    bool visibleWhileBoxOpen = false;
    bool splashGoneWhileBoxOpen = false;
    bool splashEnabledWhileBoxOpen = true;
    boxes_.plan(MsgResult::OK, [&] {
        splashEnabledWhileBoxOpen = IsWindowEnabled(window) != FALSE;
        tick(splash);
        visibleWhileBoxOpen = IsWindowVisible(frmKernwell::instance().hwnd()) != FALSE;
        splashGoneWhileBoxOpen = !IsWindow(window);
        EXPECT_TRUE(frmKernwell::instance().isLoading());
    });
    tick(splash);
    // Owned by the main window that was still loading, never by the splash.
    ASSERT_EQ(boxes_.owners().size(), 1u);
    EXPECT_EQ(boxes_.owners()[0], frmKernwell::instance().hwnd());
    EXPECT_FALSE(splashEnabledWhileBoxOpen);
    EXPECT_TRUE(visibleWhileBoxOpen);
    EXPECT_TRUE(splashGoneWhileBoxOpen);
    expectHandedOver(window);
    EXPECT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_FALSE(frmKernwell::instance().isLoading());
    // Start-up went on after the box: the browser is on the fonts folder.
    EXPECT_EQ(frmKernwell::instance().dirOpen.path(), fontsFolder_);
    int mainWindows = 0;
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, L"frmKernwell", nullptr));) {
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        mainWindows += process == GetCurrentProcessId();  // other test processes run beside this one
    }
    EXPECT_EQ(mainWindows, 1);
}

TEST_F(SplashTest, AnErrorEscapingTheMainWindowsStartUpIsReportedAndEndsTheProgram) {
    installGame();
    registry_.setFontsFolder(std::wstring(33000, L'a'));  // its end lies past position 32767: error 6
    frmSplash& splash = showSplash();
    tick(splash);
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].prompt.rfind(L"Run-time error '", 0), 0u);
    EXPECT_EQ(boxes_.boxes()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes_.boxes()[0].title, L"Glyphwright");
    EXPECT_EQ(ends_, 1);
}
}  // namespace
