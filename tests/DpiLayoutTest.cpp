// Every window is laid out from its twips at its own resolution, with fonts
// of the matching size, also after it moved to a monitor of another one; the
// manifest asks for per-monitor awareness, visual styles, Windows 7 to 11.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "windows/frmPreview.h"

namespace {
int pixels(int twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

// Left, top, width and height; a control's in its window's client area.
std::array<int, 4> placement(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    if (HWND parent = GetParent(window)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LONG fontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

class DpiLayoutTest : public AppFixture {};

TEST_F(DpiLayoutTest, WindowsControlsAndFontsFollowTheTwipsAtEachDpi) {
    installGame();
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    frmPreview& preview = frmPreview::instance();
    preview.Show();
    // Control, twips, font size (0: none to check). The drive list's height
    // is its closed field's, which its font sets.
    const std::tuple<HWND, TwipsRect, double> controls[] = {
        {main.drvOpen.hwnd(), {120, 840, 2655, 0}, 8.25},       {main.cmdSave.hwnd(), {120, 210, 2655, 375}, 8.25},
        {main.lblPreview.hwnd(), {3000, 120, 3255, 1095}, 18},  {main.dirOpen.hwnd(), {120, 1320, 2655, 2790}, 8.25},
        {main.fleOpen.hwnd(), {3000, 1320, 3255, 2820}, 8.25},  {preview.txtPreview.hwnd(), {120, 120, 6495, 4695}, 12},
        {preview.sldFontSize.hwnd(), {1440, 4920, 5175, 255}, 0}, {preview.lblfntsze.hwnd(), {120, 4920, 1215, 255}, 8.25},
    };
    // A prefix set to another resolution says which one the windows must have.
    if (const char* expected = std::getenv("KERNWELL_EXPECT_DPI")) {
        EXPECT_EQ(windowDpi(main.hwnd()), std::atoi(expected));
    }
    // First as created, at the prefix's resolution; then moved to each.
    for (int moved : {0, 96, 120, 144, 192}) {
        int dpi = moved ? moved : windowDpi(main.hwnd());
        SCOPED_TRACE(dpi);
        for (auto [form, width, height] : {std::tuple<Form*, int, int>{&main, 6465, 4275}, {&preview, 6735, 5280}}) {
            RECT suggested{40, 30, 700, 600}, client;
            if (moved) SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            GetClientRect(form->hwnd(), &client);
            EXPECT_EQ(client.right, pixels(width, dpi));
            EXPECT_EQ(client.bottom, pixels(height, dpi));
            EXPECT_TRUE(!moved || (placement(form->hwnd())[0] == 40 && placement(form->hwnd())[1] == 30));
        }
        for (const auto& [control, twips, points] : controls) {
            std::array<int, 4> actual = placement(control);
            std::array<int, 4> wanted{pixels(twips.left, dpi), pixels(twips.top, dpi), pixels(twips.width, dpi),
                                      twips.height ? pixels(twips.height, dpi) : actual[3]};
            EXPECT_EQ(actual, wanted);
            EXPECT_TRUE(!points || fontHeightOf(control) == -std::lround(points * dpi / 72)) << points;
        }
    }
}

TEST(ManifestTest, AsksForCommonControlsSixPerMonitorDpiAndWindowsSevenToEleven) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                         SizeofResource(module, found));
    for (const char* wanted : {"Common-Controls\" version=\"6.0.0.0\"", ">true/pm<", ">PerMonitorV2, PerMonitor<",
                               "{35138b9a-", "{4a2f28e3-", "{1f676c76-", "{8e0f7a12-"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
    // The process runs per-monitor aware (2), as the manifest asks.
    auto user32 = GetModuleHandleW(L"user32.dll");
    auto context = reinterpret_cast<HANDLE(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    auto awareness = reinterpret_cast<int(WINAPI*)(HANDLE)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(context && awareness);
    EXPECT_EQ(awareness(context()), 2);
}
}  // namespace
