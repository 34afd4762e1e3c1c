// The folder browser of the main window: the drive, folder and file lists,
// their start-up position and the fallback from an unavailable drive.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <tuple>

#include "main/frmKernwell.h"
#include "tests/support/AppFixture.h"
#include "tests/support/DriveLinks.h"
#include "tests/support/UserInput.h"

namespace {
class BrowserTest : public AppFixture {
protected:
    BrowserTest() { installGame(); }

    frmKernwell& main() { return frmKernwell::instance(); }

    int unavailableBoxes() const {
        int count = 0;
        for (const MessageBoxRecord& box : boxes_.boxes()) {
            count += box.prompt == L"Drive Unavailable" && box.title == L"No Media Avaiable" &&
                     box.icon == MsgIcon::Critical;
        }
        return count;
    }

    int entryIndex(const std::vector<std::wstring>& entries, const std::wstring& wanted) {
        auto found = std::find(entries.begin(), entries.end(), wanted);
        return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    }

    std::wstring touch(const std::wstring& folder, const std::wstring& name, DWORD attributes = 0) {
        std::wstring path = folder + L"\\" + name;
        writeAllBytes(path, {'x'});
        if (attributes) SetFileAttributesW(path.c_str(), attributes);
        return path;
    }

    // Drops paths on the main window as the shell does: a DROPFILES block of
    // wide names, which the window releases.
    void drop(const std::vector<std::wstring>& paths) {
        std::wstring names;
        for (const std::wstring& path : paths) names += path + L'\0';
        auto* files = static_cast<DROPFILES*>(GlobalAlloc(GPTR, sizeof(DROPFILES) + (names.size() + 1) * 2));
        *files = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
        names.copy(reinterpret_cast<wchar_t*>(files + 1), names.size());
        SendMessageW(main().hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(files), 0);
    }
};

TEST_F(BrowserTest, StartUpLeavesTheThreeListsOnTheFontsFolderWithNothingSelected) {
    addFont(L"FixtureSans.ttf");
    addFont(L"FixtureSerifItalic.ttf");
    showMainWindow();
    EXPECT_EQ(main().drvOpen.drive().substr(0, 2), L"c:");
    EXPECT_EQ(main().dirOpen.path(), fontsFolder_);
    EXPECT_EQ(main().fleOpen.path(), fontsFolder_);
    EXPECT_EQ(main().fleOpen.fileNames(), (std::vector<std::wstring>{L"FixtureSans.ttf", L"FixtureSerifItalic.ttf"}));
    EXPECT_EQ(main().fleOpen.fileName(), L"");
    EXPECT_EQ(SendMessageW(main().fleOpen.hwnd(), LB_GETCOUNT, 0, 0), 2);
}

TEST_F(BrowserTest, FileListShowsHiddenSystemAndUpperCaseFontsOnly) {
    touch(fontsFolder_, L"hidden.ttf", FILE_ATTRIBUTE_HIDDEN);
    touch(fontsFolder_, L"system.ttf", FILE_ATTRIBUTE_SYSTEM);
    touch(fontsFolder_, L"readonly.ttf", FILE_ATTRIBUTE_READONLY);
    touch(fontsFolder_, L"SHOUT.TTF");
    touch(fontsFolder_, L"notes.txt");
    touch(fontsFolder_, L"almost.ttfx");
    CreateDirectoryW((fontsFolder_ + L"\\folder.ttf").c_str(), nullptr);
    showMainWindow();
    EXPECT_EQ(main().fleOpen.fileNames(),
              (std::vector<std::wstring>{L"hidden.ttf", L"readonly.ttf", L"SHOUT.TTF", L"system.ttf"}));
    SetFileAttributesW((fontsFolder_ + L"\\readonly.ttf").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BrowserTest, OpeningAnotherFolderClearsTheSelectionButNotThePreview) {
    addFont(L"FixtureSans.ttf");
    std::wstring sub = fontsFolder_ + L"\\More";
    CreateDirectoryW(sub.c_str(), nullptr);
    touch(sub, L"other.ttf");
    showMainWindow();
    clickListEntry(main().fleOpen.hwnd(), 0);
    EXPECT_EQ(main().fleOpen.fileName(), L"FixtureSans.ttf");
    main().lblPreview.setCaption(L"Shown before");

    int entry = entryIndex(main().dirOpen.entryPaths(), sub);
    ASSERT_GE(entry, 0);
    doubleClickListEntry(main().dirOpen.hwnd(), entry);
    EXPECT_EQ(main().dirOpen.path(), sub);
    EXPECT_EQ(main().fleOpen.path(), sub);
    EXPECT_EQ(main().fleOpen.fileNames(), std::vector<std::wstring>{L"other.ttf"});
    EXPECT_EQ(main().fleOpen.fileName(), L"");
    EXPECT_EQ(main().lblPreview.caption(), L"Shown before");
}

TEST_F(BrowserTest, EnterOpensTheSelectedFolderAndAncestorsLeadBackUp) {
    std::wstring sub = fontsFolder_ + L"\\Deeper";
    CreateDirectoryW(sub.c_str(), nullptr);
    showMainWindow();
    HWND folders = main().dirOpen.hwnd();
    int entry = entryIndex(main().dirOpen.entryPaths(), sub);
    ASSERT_GE(entry, 0);
    SetFocus(folders);
    SendMessageW(folders, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    pressKey(folders, VK_RETURN);
    EXPECT_EQ(main().dirOpen.path(), sub);
    EXPECT_EQ(main().fleOpen.path(), sub);
    // The entries above the open folder are its ancestors, from the root.
    const std::vector<std::wstring>& paths = main().dirOpen.entryPaths();
    ASSERT_GE(paths.size(), 2u);
    EXPECT_EQ(paths.front(), L"C:\\");
    int parent = entryIndex(paths, fontsFolder_);
    ASSERT_GE(parent, 0);
    doubleClickListEntry(folders, parent);
    EXPECT_EQ(main().dirOpen.path(), fontsFolder_);
}

TEST_F(BrowserTest, ChoosingADriveWithTheKeyboardOpensItsCurrentFolder) {
    showMainWindow();
    HWND drives = main().drvOpen.hwnd();
    SetCurrentDirectoryW(L"Z:\\");
    SetCurrentDirectoryW(root_.path().c_str());
    // Typing a drive's letter in the closed list chooses it.
    SetFocus(drives);
    pressKey(drives, 'Z');
    EXPECT_EQ(main().drvOpen.drive().substr(0, 2), L"z:");
    EXPECT_EQ(main().dirOpen.path(), L"Z:\\");
    EXPECT_EQ(main().fleOpen.path(), main().dirOpen.path());
}

TEST_F(BrowserTest, UnavailableDriveIsReportedOnceAndFallsBackToTheProgramsDrive) {
    UnavailableDrive empty;
    showMainWindow();
    main().drvOpen.setDrive(empty.drive());
    EXPECT_EQ(unavailableBoxes(), 1);
    EXPECT_EQ(boxes_.boxes().size(), 1u);
    // The program's folder is on C:, whose current folder is the test's.
    EXPECT_EQ(main().drvOpen.drive().substr(0, 2), L"c:");
    EXPECT_EQ(main().dirOpen.path(), root_.path());
    EXPECT_EQ(main().fleOpen.path(), root_.path());
}

TEST_F(BrowserTest, WithTheProgramsDriveUnavailableTooTheBoxAppearsExactlyTwice) {
    UnavailableDrive empty;
    UnavailableDrive programDrive;
    showMainWindow();
    ProgramFolderOverride onMissingDrive(programDrive.root() + L"Program");
    main().drvOpen.setDrive(empty.drive());
    EXPECT_EQ(unavailableBoxes(), 2);
    EXPECT_EQ(towupper(main().drvOpen.drive()[0]), programDrive.letter());
    EXPECT_EQ(main().dirOpen.path(), fontsFolder_);
    EXPECT_EQ(main().fleOpen.path(), fontsFolder_);
}

TEST_F(BrowserTest, SettingTheDriveAlreadyShownRaisesNothing) {
    showMainWindow();
    main().dirOpen.setPath(fontsFolder_ + L"\\..");
    std::wstring before = main().dirOpen.path();
    main().drvOpen.setDrive(L"C:\\anything");
    EXPECT_EQ(main().dirOpen.path(), before);
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(BrowserTest, DroppedItemsOpenTheirFolderAndADroppedFontIsPreviewedAsAClickWould) {
    UnavailableDrive empty;
    std::wstring sub = fontsFolder_ + L"\\Downloads";
    CreateDirectoryW(sub.c_str(), nullptr);
    CopyFileW(fixturePath(L"FixtureSerifItalic.ttf").c_str(), (sub + L"\\SERIF.TTF").c_str(), FALSE);
    touch(sub, L"notes.txt");
    showMainWindow();
    // Dropped (the first counts); then the open folder, the selection, the italic font previewed.
    const std::tuple<std::vector<std::wstring>, std::wstring, std::wstring, bool> steps[] = {
        {{sub + L"\\notes.txt", fontsFolder_ + L"\\Other.ttf"}, sub, L"", false},
        {{sub + L"\\SERIF.TTF"}, sub, L"SERIF.TTF", true},
        {{sub}, sub, L"", true},
        {{fontsFolder_}, fontsFolder_, L"", true},
    };
    for (const auto& [paths, folder, selected, italic] : steps) {
        drop(paths);
        EXPECT_EQ(main().fleOpen.path(), folder) << paths[0];
        EXPECT_EQ(main().fleOpen.fileName(), selected);
        EXPECT_EQ(main().lblPreview.font().italic, italic);
    }
    drop({empty.root() + L"Fonts\\a.ttf"});
    EXPECT_EQ(boxes_.boxes().size(), 1u);  // the drive change's box and fallback, nothing more
    EXPECT_EQ(unavailableBoxes(), 1);
    EXPECT_EQ(main().fleOpen.path(), root_.path());
}

TEST_F(BrowserTest, TypedLettersSelectTheNextEntryBeginningWithThemAndEnterOpensIt) {
    CreateDirectoryW((fontsFolder_ + L"\\Apple").c_str(), nullptr);
    CreateDirectoryW((fontsFolder_ + L"\\Berry").c_str(), nullptr);
    addFont(L"FixtureSerifItalic.ttf", L"Serif.ttf");
    showMainWindow();
    pressKey(main().fleOpen.hwnd(), 'S');
    EXPECT_EQ(main().fleOpen.fileName(), L"Serif.ttf");
    EXPECT_TRUE(main().lblPreview.font().italic);  // previewed, as the arrow keys do
    HWND folders = main().dirOpen.hwnd();
    pressKey(folders, 'B');
    EXPECT_EQ(SendMessageW(folders, LB_GETCURSEL, 0, 0), entryIndex(main().dirOpen.entryPaths(), fontsFolder_ + L"\\Berry"));
    pressKey(folders, VK_RETURN);
    EXPECT_EQ(main().dirOpen.path(), fontsFolder_ + L"\\Berry");
}
}  // namespace
