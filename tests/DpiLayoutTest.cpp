// Every window is laid out from its twips at its own resolution, with fonts
// of the matching size, also after it moved to a monitor of another one.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "windows/frmPreview.h"

namespace {
int pixels(int twips, int dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

LONG fontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

struct Placed {
    HWND control;
    TwipsRect twips;
    double points;  // 0: no font of its own to check
};

class DpiLayoutTest : public AppFixture {};

TEST_F(DpiLayoutTest, WindowsControlsAndFontsFollowTheTwipsAtEachDpi) {
    installGame();
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    frmPreview& preview = frmPreview::instance();
    preview.Show();
    // The drive list's height is its closed field's, which its font sets.
    const Placed placed[] = {
        {main.drvOpen.hwnd(), {120, 840, 2655, 0}, 8.25},       {main.cmdSave.hwnd(), {120, 210, 2655, 375}, 8.25},
        {main.lblPreview.hwnd(), {3000, 120, 3255, 1095}, 18},  {main.dirOpen.hwnd(), {120, 1320, 2655, 2790}, 8.25},
        {main.fleOpen.hwnd(), {3000, 1320, 3255, 2820}, 8.25},  {preview.txtPreview.hwnd(), {120, 120, 6495, 4695}, 12},
        {preview.sldFontSize.hwnd(), {1440, 4920, 5175, 255}, 0}, {preview.lblfntsze.hwnd(), {120, 4920, 1215, 255}, 8.25},
    };
    const struct {
        Form& form;
        int width, height;
    } windows[] = {{main, 6465, 4275}, {preview, 6735, 5280}};

    // A prefix set to another resolution says which one the windows must have.
    if (const char* expected = std::getenv("KERNWELL_EXPECT_DPI")) {
        EXPECT_EQ(windowDpi(main.hwnd()), std::atoi(expected));
    }
    // First as created, at the prefix's resolution; then moved to each.
    for (int moved : {0, 96, 120, 144, 192}) {
        int dpi = moved ? moved : windowDpi(main.hwnd());
        SCOPED_TRACE(dpi);
        for (const auto& window : windows) {
            RECT suggested{40, 30, 700, 600};
            if (moved) {
                SendMessageW(window.form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                             reinterpret_cast<LPARAM>(&suggested));
            }
            RECT frame, client;
            GetWindowRect(window.form.hwnd(), &frame);
            GetClientRect(window.form.hwnd(), &client);
            if (moved) {
                EXPECT_EQ(frame.left, 40);
                EXPECT_EQ(frame.top, 30);
            }
            EXPECT_EQ(client.right, pixels(window.width, dpi));
            EXPECT_EQ(client.bottom, pixels(window.height, dpi));
        }
        for (const Placed& item : placed) {
            RECT r;
            GetWindowRect(item.control, &r);
            MapWindowPoints(nullptr, GetParent(item.control), reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(r.left, pixels(item.twips.left, dpi));
            EXPECT_EQ(r.top, pixels(item.twips.top, dpi));
            EXPECT_EQ(r.right - r.left, pixels(item.twips.width, dpi));
            if (item.twips.height) {
                EXPECT_EQ(r.bottom - r.top, pixels(item.twips.height, dpi));
            }
            if (item.points) {
                EXPECT_EQ(fontHeightOf(item.control), -std::lround(item.points * dpi / 72));
            }
        }
    }
}
}  // namespace
