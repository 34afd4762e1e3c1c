// The About window and its two links.

#include <gtest/gtest.h>

#include <functional>

#include "forms/Session.h"
#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "tests/support/UserInput.h"
#include "resources/AppInfo.h"
#include "windows/frmAbout.h"
#include "windows/webinterface.h"

namespace {
BOOL mainEnabledWhenAboutAppeared = -1;
LRESULT CALLBACK watchAboutAppearing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == WM_SHOWWINDOW && call->wParam && call->hwnd == frmAbout::instance().hwnd())
        mainEnabledWhenAboutAppeared = IsWindowEnabled(frmKernwell::instance().hwnd());
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class AboutTest : public AppFixture {
protected:
    AboutTest() {
        installGame();
        showMainWindow();
    }

    frmKernwell& main() { return frmKernwell::instance(); }
    frmAbout& about() { return frmAbout::instance(); }

    // Chooses "&About" and runs an action inside the About window's modal
    // loop; returns when the About window has closed.
    void openAbout(std::function<void()> whileOpen) {
        runInLoop([this, whileOpen] {
            whileOpen();
            if (about().isLoaded()) about().Unload();
        });
        SendMessageW(main().hwnd(), WM_COMMAND, MAKEWPARAM(main().mnuAbout.id(), 0), 0);
    }
};

TEST_F(AboutTest, ShowsTheSameTextsEveryTimeItOpens) {
    for (int time = 0; time < 2; ++time) {
        SCOPED_TRACE(time);
        bool checked = false;
        openAbout([&] {
            EXPECT_EQ(about().caption(), L"About Glyphwright 01/02");
            EXPECT_EQ(about().lblTitle.caption(), L"Glyphwright 01/02");
            EXPECT_EQ(about().lblVersion.caption(), L"Version :3.0.0");
            EXPECT_EQ(about().lblCopyright.caption(), appinfo::LegalNotice);
            std::wstring disclaimer = about().lblDisclaimer.caption();
            size_t stop = disclaimer.find(L'.');
            ASSERT_NE(stop, std::wstring::npos);
            EXPECT_EQ(disclaimer.substr(stop, 3), L".  ");
            EXPECT_EQ(about().lblEMail.caption(), L"support@tessaline.example");
            EXPECT_EQ(about().lblURL.caption(), L"http://www.tessaline.example/");
            EXPECT_EQ(about().lblInfoPane[17].caption(), L"E-mail Comments/Suggestions to:");
            EXPECT_EQ(about().lblInfoPane[18].caption(), L"Or Visit");
            EXPECT_EQ(about().lblTitle.font().points, 9.75);
            EXPECT_TRUE(about().lblEMail.font().underline);
            EXPECT_EQ(about().imgIcon.pictureSize().cx, 120);
            checked = true;
        });
        EXPECT_TRUE(checked);
        EXPECT_FALSE(about().isLoaded());
    }
}

TEST_F(AboutTest, EnterAndEscClose) {
    for (UINT key : {UINT(VK_RETURN), UINT(VK_ESCAPE)}) {
        SCOPED_TRACE(key);
        bool closedByKey = false;
        openAbout([&] {
            pressKey(about().cmdOK.hwnd(), key);
            closedByKey = !about().isLoaded();
        });
        EXPECT_TRUE(closedByKey);
    }
}

TEST_F(AboutTest, MainWindowTakesNoInputWhileItIsOpen) {
    HookHandle watch(SetWindowsHookExW(WH_CALLWNDPROC, watchAboutAppearing, nullptr, GetCurrentThreadId()));
    bool mainEnabled = true;
    openAbout([&] { mainEnabled = IsWindowEnabled(main().hwnd()) != FALSE; });
    EXPECT_EQ(mainEnabledWhenAboutAppeared, FALSE);  // already as it appeared
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
}

TEST_F(AboutTest, AQuitInsideItsLoopEndsTheProgramWithEveryWindowEnabled) {
    runInLoop([] { PostQuitMessage(3); });
    SendMessageW(main().hwnd(), WM_COMMAND, MAKEWPARAM(main().mnuAbout.id(), 0), 0);
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));  // posted again
    EXPECT_EQ(runMessageLoop(), 3);
}

TEST_F(AboutTest, LinksCallTheShellAndLeaveTheWindowOpen) {
    std::vector<webinterface::ShellCall> calls;
    webinterface::ShellOverride shell([&](const webinterface::ShellCall& call) { calls.push_back(call); });
    bool stillOpen = false;
    openAbout([&] {
        clickAt(about().lblEMail.hwnd(), 2, 2);
        clickAt(about().lblEMail.hwnd(), 2, 2);
        clickAt(about().lblURL.hwnd(), 2, 2);
        clickAt(about().lblInfoPane[17].hwnd(), 2, 2);  // not a link
        stillOpen = about().isLoaded();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].file, "mailto:support@tessaline.example");
    EXPECT_EQ(calls[1].file, "mailto:support@tessaline.example");
    EXPECT_EQ(calls[2].file, "http://www.tessaline.example/");
    for (const webinterface::ShellCall& call : calls) {
        EXPECT_EQ(call.directory, "C:\\");
        EXPECT_EQ(call.showCommand, SW_SHOWNORMAL);
    }
}

TEST_F(AboutTest, LinkCursorIsTheLinkCursor) {
    HCURSOR linkCursor = nullptr;
    openAbout([&] { linkCursor = about().lblURL.cursor(); });
    ASSERT_NE(linkCursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(linkCursor, &info));
    EXPECT_EQ(info.xHotspot, 13u);
    EXPECT_EQ(info.yHotspot, 9u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}
}  // namespace
