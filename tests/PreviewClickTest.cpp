// A click in the file list shows the font's face name in that font.

#include <gtest/gtest.h>

#include <algorithm>

#include "fonts/InstalledFonts.h"
#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "runtime/Handle.h"
#include "tests/support/FontBytes.h"
#include "tests/support/UserInput.h"
#include "windows/frmPreview.h"

namespace {
class PreviewClickTest : public AppFixture {
protected:
    PreviewClickTest() { installGame(); }

    ~PreviewClickTest() override {
        for (const std::wstring& path : installed_) RemoveFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
    }

    // Makes a fixture font an installed screen font of this process.
    void installFont(const std::wstring& fixture) {
        std::wstring path = fixturePath(fixture);
        ASSERT_GT(AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr), 0);
        installed_.push_back(path);
    }

    frmKernwell& main() { return frmKernwell::instance(); }

    void clickFont(const std::wstring& name) {
        const std::vector<std::wstring>& names = main().fleOpen.fileNames();
        auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(found, names.end()) << "not listed";
        clickListEntry(main().fleOpen.hwnd(), static_cast<int>(found - names.begin()));
    }

    // The face a control really draws with (the preview label by default).
    LOGFONTW drawnFont(HWND control = nullptr) {
        LOGFONTW font{};
        HWND window = control ? control : main().lblPreview.hwnd();
        auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
        GetObjectW(handle, sizeof(font), &font);
        return font;
    }

    // The 'head' table of the font a control draws with, and of a file: the
    // table holds the file's checksum and dates, so equal tables mean the
    // control draws that file's glyphs.
    static std::vector<char> drawnHead(HWND control) {
        ScreenDC screen;
        ScopedSelect font(screen.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        std::vector<char> head(54);
        GetFontData(screen.get(), 0x64616568, 0, head.data(), 54);
        return head;
    }
    std::vector<char> fileHead(const std::wstring& name) {
        return tableBytes(readAllBytes(fontsFolder_ + L"\\" + name), "head", 0, 54);
    }

    void chooseFullPreview() {
        SendMessageW(main().hwnd(), WM_COMMAND, MAKEWPARAM(main().mnuPreview.id(), 0), 0);
    }

    std::vector<std::wstring> installed_;
};

TEST_F(PreviewClickTest, InstalledFontIsShownUnderItsFamilyNameInItsStyle) {
    installFont(L"FixtureSansBold.ttf");
    installFont(L"FixtureSerifItalic.ttf");
    addFont(L"FixtureSansBold.ttf");
    addFont(L"FixtureSerifItalic.ttf");
    showMainWindow();

    clickFont(L"FixtureSansBold.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Sans");
    EXPECT_EQ(main().lblPreview.font().name, L"Fixture Sans");
    EXPECT_TRUE(main().lblPreview.font().bold);
    EXPECT_FALSE(main().lblPreview.font().italic);
    EXPECT_STREQ(drawnFont().lfFaceName, L"Fixture Sans");
    EXPECT_EQ(drawnFont().lfWeight, FW_BOLD);
    EXPECT_EQ(drawnFont().lfHeight, -MulDiv(18, screenDpi(), 72));

    // Italic after bold: the bold flag stays, as the splitter leaves it, but
    // what is drawn is the file itself, upright or not, bold or not.
    clickFont(L"FixtureSerifItalic.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Serif");
    EXPECT_TRUE(main().lblPreview.font().italic);
    EXPECT_TRUE(main().lblPreview.font().bold);
    EXPECT_STREQ(drawnFont().lfFaceName, L"Fixture Serif");
    EXPECT_EQ(drawnFont().lfWeight, FW_NORMAL);
    EXPECT_TRUE(drawnFont().lfItalic);
    EXPECT_EQ(drawnHead(main().lblPreview.hwnd()), fileHead(L"FixtureSerifItalic.ttf"));
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(PreviewClickTest, FaceNameWithoutAnInstalledPrefixIsShownWhole) {
    addFont(L"FixtureSans.ttf");
    showMainWindow();
    clickFont(L"FixtureSans.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Sans");
    EXPECT_EQ(main().lblPreview.font().name, L"Fixture Sans");
    EXPECT_FALSE(main().lblPreview.font().bold);
    EXPECT_FALSE(main().lblPreview.font().italic);
}

// The label keeps the name, caption and flags it always had, but draws the
// file's own family, weight and slant; a file without a Windows family name
// is drawn as it always was.
TEST_F(PreviewClickTest, NotInstalledFontIsDrawnInItsOwnFace) {
    addFont(L"FixtureSansBold.ttf");
    addFont(L"ZqQuuxWide.ttf");
    addFont(L"FixtureMac.ttf");
    showMainWindow();

    clickFont(L"FixtureSansBold.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Sans ");
    EXPECT_EQ(main().lblPreview.font().name, L"Fixture Sans ");
    EXPECT_TRUE(main().lblPreview.font().bold);
    EXPECT_STREQ(drawnFont().lfFaceName, L"Fixture Sans");
    EXPECT_EQ(drawnFont().lfWeight, FW_BOLD);
    EXPECT_EQ(drawnFont().lfHeight, -MulDiv(18, screenDpi(), 72));

    clickFont(L"ZqQuuxWide.ttf");
    EXPECT_EQ(main().lblPreview.font().name, L"Zq Quux Wide");
    EXPECT_FALSE(main().lblPreview.font().bold);
    EXPECT_FALSE(main().lblPreview.font().italic);
    EXPECT_STREQ(drawnFont().lfFaceName, L"Zq Quux Wide");
    EXPECT_EQ(drawnFont().lfWeight, 600);
    EXPECT_TRUE(drawnFont().lfItalic);

    clickFont(L"FixtureMac.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Mac");
    EXPECT_STREQ(drawnFont().lfFaceName, L"Fixture Mac");
    EXPECT_EQ(drawnFont().lfWeight, FW_NORMAL);
    EXPECT_FALSE(drawnFont().lfItalic);
    EXPECT_TRUE(boxes_.boxes().empty());
}

// A family loaded to draw one font is not an installed font for the next
// click; it is removed once neither the label nor an open full preview
// draws it, and the full preview keeps the face it was opened with.
TEST_F(PreviewClickTest, OwnFacesAreNeverInstalledFontsAndGoWhenNothingDrawsThem) {
    installFont(L"FixtureSans.ttf");
    addFont(L"FixtureSans.ttf");
    addFont(L"ZqQuux.ttf");
    addFont(L"ZqQuuxWide.ttf");
    showMainWindow();

    clickFont(L"ZqQuux.ttf");
    ASSERT_STREQ(drawnFont().lfFaceName, L"Zq Quux");
    chooseFullPreview();
    HWND sample = frmPreview::instance().txtPreview.hwnd();
    EXPECT_EQ(frmPreview::instance().txtPreview.font().name, L"Zq Quux");
    EXPECT_STREQ(drawnFont(sample).lfFaceName, L"Zq Quux");

    clickFont(L"ZqQuuxWide.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Zq Quux Wide");
    EXPECT_STREQ(drawnFont().lfFaceName, L"Zq Quux Wide");
    EXPECT_STREQ(drawnFont(sample).lfFaceName, L"Zq Quux");
    EXPECT_TRUE(InstalledFamilyLookup().isInstalled(L"Zq Quux"));

    SendMessageW(frmPreview::instance().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(InstalledFamilyLookup().isInstalled(L"Zq Quux"));
    chooseFullPreview();
    EXPECT_STREQ(drawnFont(frmPreview::instance().txtPreview.hwnd()).lfFaceName, L"Zq Quux Wide");
    SendMessageW(frmPreview::instance().hwnd(), WM_CLOSE, 0, 0);

    clickFont(L"FixtureSans.ttf");
    EXPECT_STREQ(drawnFont().lfFaceName, L"Fixture Sans");
    EXPECT_FALSE(InstalledFamilyLookup().isInstalled(L"Zq Quux Wide"));
}

TEST_F(PreviewClickTest, BrokenFileFailsToPreviewAndTheNextGoodOneWorks) {
    installFont(L"FixtureSans.ttf");
    addFont(L"FixtureSans.ttf");
    addFont(L"NotAFont.ttf");
    showMainWindow();
    clickFont(L"FixtureSans.ttf");
    ASSERT_EQ(main().lblPreview.caption(), L"Fixture Sans");

    clickFont(L"NotAFont.ttf");
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].prompt, L"Unable to preview font");
    EXPECT_EQ(boxes_.boxes()[0].title, L"Preview Failed");
    EXPECT_EQ(boxes_.boxes()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(main().lblPreview.caption(), L"");
    EXPECT_FALSE(fileExists(programFolder_ + L"\\~TEMP.FOT"));

    clickFont(L"FixtureSans.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Sans");
    EXPECT_EQ(boxes_.boxes().size(), 1u);
}

// Whatever else of its family the process has, the label draws the clicked
// file's glyphs: an installed family's other file, and a second file of a
// family that the full preview still holds. The full preview keeps its own.
TEST_F(PreviewClickTest, EveryFileIsDrawnFromItsOwnGlyphs) {
    installFont(L"FixtureSans.ttf");
    addFont(L"FixtureSans.ttf");
    addFont(L"ZqQuux.ttf");
    writeAllBytes(fontsFolder_ + L"\\SansElsewhere.ttf", anotherFileOf(readAllBytes(fixturePath(L"FixtureSans.ttf"))));
    writeAllBytes(fontsFolder_ + L"\\QuuxElsewhere.ttf", anotherFileOf(readAllBytes(fixturePath(L"ZqQuux.ttf"))));
    showMainWindow();
    clickFont(L"ZqQuux.ttf");
    chooseFullPreview();
    for (const wchar_t* name : {L"FixtureSans.ttf", L"SansElsewhere.ttf", L"QuuxElsewhere.ttf", L"ZqQuux.ttf",
                                L"SansElsewhere.ttf"}) {
        clickFont(name);
        EXPECT_EQ(drawnHead(main().lblPreview.hwnd()), fileHead(name)) << name;
    }
    EXPECT_EQ(drawnHead(frmPreview::instance().txtPreview.hwnd()), fileHead(L"ZqQuux.ttf"));
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Sans");
    EXPECT_TRUE(boxes_.boxes().empty());
}

// A font the renderer would stumble over is never loaded to be drawn: its
// name is drawn as any name that is not installed, and the full preview
// opens on it.
TEST_F(PreviewClickTest, DamagedFontIsNotDrawnFromItsFile) {
    writeAllBytes(fontsFolder_ + L"\\Damaged.ttf",
                  withTableChange(readAllBytes(fixturePath(L"ZqQuux.ttf")), {"OS/2", std::nullopt, 40}));
    showMainWindow();
    clickFont(L"Damaged.ttf");
    EXPECT_EQ(main().lblPreview.caption(), L"Zq Quux");
    EXPECT_FALSE(main().lblPreview.drawnFace());
    chooseFullPreview();
    UpdateWindow(frmPreview::instance().hwnd());
    EXPECT_STREQ(drawnFont(frmPreview::instance().txtPreview.hwnd()).lfFaceName, L"Zq Quux");
    EXPECT_TRUE(boxes_.boxes().empty());
}

// Something in the way of the resource file after start-up (another
// instance's file, a folder): the reader builds its own file elsewhere.
TEST_F(PreviewClickTest, ResourceFileInTheWayIsWorkedAround) {
    addFont(L"FixtureSans.ttf");
    showMainWindow();
    const std::wstring inTheWay = programFolder_ + L"\\~TEMP.FOT";
    CreateDirectoryW(inTheWay.c_str(), nullptr);
    clickFont(L"FixtureSans.ttf");
    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(main().lblPreview.caption(), L"Fixture Sans");
    RemoveDirectoryW(inTheWay.c_str());
}
}  // namespace
