// The game's fonts beyond the copy: what a copy replaces is kept, restored
// and removed through the file list's context menu, the list marks what the
// game has, and Font Details says what a font is and lacks.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "files/Folders.h"
#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FontBytes.h"
#include "tests/support/UserInput.h"
#include "windows/frmDetails.h"

namespace {
class GameFontsTest : public AppFixture {
protected:
    GameFontsTest() : game_(installGame()), gameFonts_(game_ + L"\\Data\\Fonts\\"), kept_(game_ + L"\\Data\\Replaced Fonts") {
        CreateDirectoryW(gameFonts_.c_str(), nullptr);
    }

    frmKernwell& main() { return frmKernwell::instance(); }
    int entry(const std::wstring& name) {
        const auto& names = main().fleOpen.fileNames();
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    }
    void copy(const std::wstring& name) {
        clickListEntry(main().fleOpen.hwnd(), entry(name));
        SendMessageW(main().cmdSave.hwnd(), BM_CLICK, 0, 0);
    }
    // Right-clicks an entry; inspect sees the menu while it is open, and the
    // item of the access key is chosen (none: the menu is closed).
    void contextMenu(const std::wstring& name, std::function<void(HMENU)> inspect, wchar_t key = 0) {
        runInLoop([inspect, key] {
            HWND menu = FindWindowW(L"#32768", nullptr);
            ASSERT_TRUE(menu);
            inspect(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
            if (key) PostMessageW(menu, WM_CHAR, key, 0);
            else EndMenu();
        });
        RECT item{};
        SendMessageW(main().fleOpen.hwnd(), LB_GETITEMRECT, entry(name), reinterpret_cast<LPARAM>(&item));
        POINT at{item.left + 5, item.top + 2};
        ClientToScreen(main().fleOpen.hwnd(), &at);
        SendMessageW(main().fleOpen.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main().fleOpen.hwnd()),
                     MAKELPARAM(at.x, at.y));
    }
    std::vector<std::wstring> keptNames() {
        std::vector<std::wstring> names;
        for (const FolderEntry& e : listEntries(kept_)) names.push_back(e.name);
        return names;
    }
    static std::vector<bool> greyed(HMENU menu) {
        std::vector<bool> states;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) states.push_back(GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED);
        return states;
    }

    std::wstring game_, gameFonts_, kept_;
    const std::vector<char> sans_ = readAllBytes(fixturePath(L"FixtureSans.ttf"));
    const std::vector<char> serif_ = readAllBytes(fixturePath(L"FixtureSerifItalic.ttf"));
};
}  // namespace

// A copy over another file of the name keeps that file; the same bytes
// again keep nothing; Restore puts the kept one back and keeps the one it
// replaces; the marks follow.
TEST_F(GameFontsTest, NothingOfTheGameIsLostOnReplaceAndRestoreGoesBack) {
    addFont(L"FixtureSans.ttf", L"Face.ttf");
    writeAllBytes(gameFonts_ + L"Face.ttf", serif_);
    showMainWindow();
    EXPECT_EQ(main().fleOpen.marks(), std::vector<EntryMark>{EntryMark::Hollow});
    copy(L"Face.ttf");
    copy(L"Face.ttf");
    EXPECT_EQ(readAllBytes(gameFonts_ + L"Face.ttf"), sans_);
    EXPECT_EQ(main().fleOpen.marks(), std::vector<EntryMark>{EntryMark::Filled});
    ASSERT_EQ(keptNames().size(), 1u);
    EXPECT_TRUE(keptNames()[0].starts_with(L"Face (replaced 20")) << keptNames()[0].c_str();
    EXPECT_EQ(readAllBytes(kept_ + L"\\" + keptNames()[0]), serif_);

    contextMenu(L"Face.ttf", [](HMENU menu) { EXPECT_EQ(greyed(menu), (std::vector<bool>{false, false, false, false})); },
                L'r');
    EXPECT_EQ(readAllBytes(gameFonts_ + L"Face.ttf"), serif_);
    ASSERT_EQ(keptNames().size(), 1u);
    EXPECT_EQ(readAllBytes(kept_ + L"\\" + keptNames()[0]), sans_);
    EXPECT_EQ(main().fleOpen.marks(), std::vector<EntryMark>{EntryMark::Hollow});
    EXPECT_EQ(boxesTitled(L"Copy Finished"), 2);
}

// Remove asks first; Yes moves the game's file to the kept ones, as many
// times in one second as it is asked, each under a name of its own;
// Restore brings back the newest.
TEST_F(GameFontsTest, RemoveAsksThenKeepsEachFileUnderANameOfItsOwn) {
    addFont(L"FixtureSans.ttf", L"Face.ttf");
    showMainWindow();
    for (const auto& bytes : {serif_, sans_}) {
        writeAllBytes(gameFonts_ + L"Face.ttf", bytes);
        boxes_.plan(MsgResult::No);
        contextMenu(L"Face.ttf", [](HMENU) {}, L'm');
        EXPECT_TRUE(fileExists(gameFonts_ + L"Face.ttf"));
        boxes_.plan(MsgResult::Yes);
        contextMenu(L"Face.ttf", [](HMENU) {}, L'm');
        EXPECT_FALSE(fileExists(gameFonts_ + L"Face.ttf"));
    }
    ASSERT_EQ(keptNames().size(), 2u);
    EXPECT_NE(readAllBytes(kept_ + L"\\" + keptNames()[0]), readAllBytes(kept_ + L"\\" + keptNames()[1]));
    contextMenu(L"Face.ttf", [](HMENU menu) { EXPECT_EQ(greyed(menu), (std::vector<bool>{false, false, true, false})); });
    EXPECT_EQ(main().fleOpen.marks(), std::vector<EntryMark>{EntryMark::None});
    contextMenu(L"Face.ttf", [](HMENU) {}, L'r');
    EXPECT_EQ(readAllBytes(gameFonts_ + L"Face.ttf"), sans_) << "the newest kept one comes back";
}

// Where the replaced font cannot be kept, the copy stops before anything of
// the game's changes, with the save box; the program runs on.
TEST_F(GameFontsTest, AFontThatCannotBeKeptIsNotReplaced) {
    writeAllBytes(kept_, {'x'});  // a file where the kept folder would be
    addFont(L"FixtureSans.ttf", L"Face.ttf");
    writeAllBytes(gameFonts_ + L"Face.ttf", serif_);
    showMainWindow();
    copy(L"Face.ttf");
    EXPECT_EQ(readAllBytes(gameFonts_ + L"Face.ttf"), serif_);
    EXPECT_TRUE(boxes_.boxes().back().prompt.starts_with(L"The following error has occured during save: "));
    EXPECT_EQ(ends_, 0);
    EXPECT_TRUE(main().isLoaded());
}

// Show CM Fonts Folder moves the browser there; Font Details opens on the
// entry, from the keyboard too, and Esc closes it.
TEST_F(GameFontsTest, ShowsTheGameFontsAndTheDetailsOfAnEntry) {
    addFont(L"DetailsLatin.ttf");
    writeAllBytes(gameFonts_ + L"DetailsLatin.ttf", sans_);
    showMainWindow();
    contextMenu(L"DetailsLatin.ttf", [](HMENU) {}, L'd');
    ASSERT_TRUE(frmDetails::instance().isLoaded());
    std::wstring text = frmDetails::instance().txtDetails.text();
    EXPECT_NE(text.find(L"lacks 157 of 217"), std::wstring::npos);
    EXPECT_NE(text.find(L"a different file of this name"), std::wstring::npos);
    pressKey(frmDetails::instance().txtDetails.hwnd(), VK_ESCAPE);
    pumpMessages();
    EXPECT_FALSE(frmDetails::instance().isLoaded());

    contextMenu(L"DetailsLatin.ttf", [](HMENU) {}, L's');
    EXPECT_EQ(main().dirOpen.path() + L"\\", gameFonts_);
    EXPECT_EQ(main().fleOpen.marks(), std::vector<EntryMark>{EntryMark::Filled});
}

// What the window says of damaged, symbol and foreign files.
TEST(FontDetailsTextTest, SaysWhatItCanAndNamesWhatItCannotRead) {
    struct Case {
        const wchar_t* fixture;
        std::function<void(FontFacts&)> change;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"DetailsWide.ttf", nullptr, L"All 217 characters present"},
        {L"DetailsSymbol.ttf", nullptr, L"a symbol font"},
        {L"DetailsCff.ttf", nullptr, L"PostScript (CFF)"},
        {L"DetailsCollection.ttf", nullptr, L"A collection of 2 fonts"},
        {L"NotAFont.ttf", nullptr, L"Not a font the program can read"},
        {L"FixtureSans.ttf", [](FontFacts& f) { f.verdict = FontVerdict{FontFault::GlyphDataTooShort, 0}; },
         L"Damaged: 'glyf' ends before its last glyph does"},
        {L"FixtureSans.ttf", [](FontFacts& f) { f.details->nameTable = TableState::Unreadable; },
         L"Names: cannot be read"},
    };
    for (const Case& c : cases) {
        FontFacts facts = readFontFacts(fixturePath(c.fixture), GameFolder());
        if (c.change) c.change(facts);
        std::wstring text = detailsText(facts);
        EXPECT_NE(text.find(c.expected), std::wstring::npos) << testing::PrintToString(text);
    }
}
