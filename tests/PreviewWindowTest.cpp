// The full preview window: the previewed font's characters at a size that
// the slider sets.

#include <gtest/gtest.h>

#include <tuple>

#include "forms/Session.h"
#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "tests/support/UserInput.h"
#include "windows/frmPreview.h"

namespace {
class PreviewWindowTest : public AppFixture {
protected:
    PreviewWindowTest() {
        installGame();
        showMainWindow();
    }

    frmKernwell& main() { return frmKernwell::instance(); }
    frmPreview& preview() { return frmPreview::instance(); }

    void chooseFullPreview() {
        SendMessageW(main().hwnd(), WM_COMMAND, MAKEWPARAM(main().mnuPreview.id(), 0), 0);
    }

    LOGFONTW textFont() {
        LOGFONTW font{};
        auto handle = reinterpret_cast<HFONT>(SendMessageW(preview().txtPreview.hwnd(), WM_GETFONT, 0, 0));
        GetObjectW(handle, sizeof(font), &font);
        return font;
    }

    static int pixelsForPoints(int points) { return -MulDiv(points, screenDpi(), 72); }
};

TEST_F(PreviewWindowTest, LoadFillsTheCharactersAtTwelvePoints) {
    chooseFullPreview();
    ASSERT_TRUE(preview().isLoaded());
    std::wstring text = preview().txtPreview.text();
    ASSERT_EQ(text.size(), 222u);
    EXPECT_EQ(text.front(), L'!');
    EXPECT_EQ(text[93], L'~');                // code 126
    EXPECT_EQ(text[94], L'\u20AC');           // code 128 in Windows-1252
    EXPECT_EQ(text.back(), L'\u00FF');        // code 255
    EXPECT_EQ(text.find(L' '), std::wstring::npos);
    EXPECT_EQ(text.find(L'\x7F'), std::wstring::npos);
    EXPECT_EQ(preview().lblfntsze.caption(), L"Font Size: 12");
    EXPECT_EQ(preview().sldFontSize.value(), 12);
    EXPECT_STREQ(textFont().lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(textFont().lfHeight, pixelsForPoints(12));
    EXPECT_EQ(preview().caption(), L"Full Preview");
    EXPECT_TRUE(GetWindowLongW(preview().hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(PreviewWindowTest, SliderEndsSetTheLabelAndTheTextSize) {
    chooseFullPreview();
    HWND slider = preview().sldFontSize.hwnd();
    SetFocus(slider);
    pressKey(slider, VK_HOME);
    EXPECT_EQ(preview().sldFontSize.value(), 8);
    EXPECT_EQ(preview().lblfntsze.caption(), L"Font Size: 8");
    EXPECT_EQ(textFont().lfHeight, pixelsForPoints(8));
    pressKey(slider, VK_END);
    EXPECT_EQ(preview().lblfntsze.caption(), L"Font Size: 48");
    EXPECT_EQ(textFont().lfHeight, pixelsForPoints(48));
    pressKey(slider, VK_PRIOR);  // a page step back
    EXPECT_EQ(preview().lblfntsze.caption(), L"Font Size: 43");
    pressKey(slider, VK_LEFT);  // a line step
    EXPECT_EQ(preview().lblfntsze.caption(), L"Font Size: 42");
}

TEST_F(PreviewWindowTest, KeepsTheFontItWasLoadedWithAndIsOnlyBroughtForward) {
    main().lblPreview.setFont(FontSpec{.name = L"Courier New", .points = 18, .bold = true});
    chooseFullPreview();
    EXPECT_EQ(preview().txtPreview.font().name, L"Courier New");
    EXPECT_TRUE(preview().txtPreview.font().bold);
    EXPECT_FALSE(preview().txtPreview.font().italic);
    EXPECT_EQ(preview().txtPreview.font().points, 12);
    SetWindowTextW(preview().txtPreview.hwnd(), L"edited");

    main().lblPreview.setFont(FontSpec{.name = L"Times New Roman", .points = 18});
    HWND window = preview().hwnd();
    SetForegroundWindow(main().hwnd());
    chooseFullPreview();
    EXPECT_EQ(preview().hwnd(), window);
    EXPECT_EQ(preview().txtPreview.font().name, L"Courier New");
    EXPECT_EQ(preview().txtPreview.text(), L"edited");
    // Brought forward as the active window, still without a taskbar button.
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(PreviewWindowTest, ClosingAndReopeningRefillsAndResetsTheSize) {
    chooseFullPreview();
    pressKey(preview().sldFontSize.hwnd(), VK_END);
    SetWindowTextW(preview().txtPreview.hwnd(), L"edited");
    main().lblPreview.setFont(FontSpec{.points = 18, .italic = true});
    SendMessageW(preview().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(preview().isLoaded());

    chooseFullPreview();
    EXPECT_EQ(preview().txtPreview.text().size(), 222u);
    EXPECT_EQ(preview().sldFontSize.value(), 12);
    EXPECT_EQ(preview().lblfntsze.caption(), L"Font Size: 12");
    EXPECT_TRUE(preview().txtPreview.font().italic);
    EXPECT_EQ(textFont().lfHeight, pixelsForPoints(12));
}

// Beside the main window, so that it hides none of the lists the user
// clicks next: on the right, else on the left; centred over it when
// neither side has room.
TEST_F(PreviewWindowTest, OpensBesideTheMainWindowWhenTheWorkAreaHasRoom) {
    RECT work, frame, placed;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(main().hwnd(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top, wide = work.right - work.left - 10;
    const LONG top = work.top + 40;
    enum Side { Right, Left, Over };
    for (auto [left, mainWidth, side] :
         {std::tuple{work.left, width, Right}, {work.right - width, width, Left}, {work.left + 5, wide, Over}}) {
        SCOPED_TRACE(side);
        SetWindowPos(main().hwnd(), nullptr, left, top, mainWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
        chooseFullPreview();
        GetWindowRect(preview().hwnd(), &placed);
        preview().Unload();
        LONG cx = placed.right - placed.left, cy = placed.bottom - placed.top;
        const LONG wanted[][2] = {{left + mainWidth, top}, {left - cx, top}, {left + (mainWidth - cx) / 2, top + (height - cy) / 2}};
        EXPECT_EQ(placed.left, wanted[side][0]);
        EXPECT_EQ(placed.top, wanted[side][1]);
    }
}

TEST_F(PreviewWindowTest, MainWindowStaysUsableWhileThePreviewIsOpen) {
    chooseFullPreview();
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
    EXPECT_EQ(GetWindow(preview().hwnd(), GW_OWNER), nullptr);
}

TEST_F(PreviewWindowTest, TabAndShiftTabLeaveTheTextBoxForTheSliderAndBack) {
    chooseFullPreview();
    HWND text = preview().txtPreview.hwnd();
    // Nothing is pumped between the keys, so other test processes cannot move the activation.
    MSG tab{text, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    SetFocus(text);
    dispatchMessage(tab);
    EXPECT_EQ(GetFocus(), preview().sldFontSize.hwnd());
    BYTE keys[256]{};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    tab.hwnd = preview().sldFontSize.hwnd();
    dispatchMessage(tab);
    EXPECT_EQ(GetFocus(), text);
    pumpMessages();
    EXPECT_EQ(preview().txtPreview.text().size(), 222u);  // no tab typed into the text
}
}  // namespace
