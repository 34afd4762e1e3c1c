// The copy command: the selected font into the game's Data\Fonts folder.

#include <gtest/gtest.h>

#include "forms/Session.h"
#include "main/frmKernwell.h"
#include "runtime/Handle.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FontBytes.h"
#include "tests/support/UserInput.h"

namespace {
const wchar_t* const MissingPathPrompt =
    L"Unable to access font file\r\n"
    L"Probable cause is corrupt installtion files attribute has been set...Please re-install CM and try again\r\n"
    L"If problem persists send an e-mail with your problem too support@tessaline.example";

class CopyTest : public AppFixture {
protected:
    frmKernwell& main() { return frmKernwell::instance(); }

    // Shows the main window and selects the first font of the fonts folder.
    void selectFirstFont() {
        showMainWindow();
        clickListEntry(main().fleOpen.hwnd(), 0);
        ASSERT_NE(main().fleOpen.fileName(), L"");
    }

    void pressCopy() { SendMessageW(main().cmdSave.hwnd(), BM_CLICK, 0, 0); }

    const MessageBoxRecord& lastBox() const { return boxes_.boxes().back(); }

    // Names in a folder other than "." and "..".
    static std::vector<std::wstring> folderNames(const std::wstring& folder) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
        if (!search) return names;
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(search.get(), &found));
        return names;
    }
};

TEST_F(CopyTest, NothingSelectedOnlyAsksForAFont) {
    std::wstring game = installGame();
    addFont(L"FixtureSans.ttf");
    showMainWindow();
    pressCopy();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt, L"Please select a font to copy");
    EXPECT_EQ(lastBox().title, L"No font Selected");
    EXPECT_EQ(lastBox().icon, MsgIcon::None);
    EXPECT_FALSE(fileExists(game + L"\\Data\\Fonts"));
}

TEST_F(CopyTest, MissingFontsFolderIsCreatedAndTheFileCopied) {
    std::wstring game = installGame();
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt, L"Copy Completed!");
    EXPECT_EQ(lastBox().title, L"Copy Finished");
    EXPECT_EQ(lastBox().icon, MsgIcon::Information);
    EXPECT_EQ(readAllBytes(game + L"\\Data\\Fonts\\FixtureSans.ttf"), readAllBytes(fixturePath(L"FixtureSans.ttf")));
    EXPECT_EQ(folderNames(game + L"\\Data\\Fonts"), std::vector<std::wstring>{L"FixtureSans.ttf"});
}

TEST_F(CopyTest, AltCPressesTheCopyButton) {
    std::wstring game = installGame();
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    MSG altC{main().fleOpen.hwnd(), WM_SYSCHAR, L'c', static_cast<LPARAM>(1 | (1 << 29)), 0, {}};
    dispatchMessage(altC);
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt, L"Copy Completed!");
    EXPECT_TRUE(fileExists(game + L"\\Data\\Fonts\\FixtureSans.ttf"));
}

TEST_F(CopyTest, MissingDataFolderEndsTheProgramWithoutTheQuitQuestion) {
    std::wstring game = installGame();
    RemoveDirectoryW((game + L"\\Data").c_str());
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt, MissingPathPrompt);
    EXPECT_EQ(lastBox().title, L"Error!");
    EXPECT_EQ(lastBox().icon, MsgIcon::Critical);
    EXPECT_EQ(ends_, 1);
    EXPECT_EQ(boxesTitled(L"Want to Quit?"), 0);
}

// Without the game the destination is "\Data\Fonts\" on the current drive,
// C: here, which has no Data folder: the same end as a missing Data folder.
TEST_F(CopyTest, GameNotInstalledAndNoDataFolderAtTheDriveRootEndsTheProgram) {
    ASSERT_FALSE(fileExists(L"C:\\Data"));
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    EXPECT_EQ(main().gameFolder().location(), L"");
    pressCopy();
    EXPECT_EQ(lastBox().prompt, MissingPathPrompt);
    EXPECT_EQ(ends_, 1);
    EXPECT_FALSE(fileExists(L"C:\\Data"));
}

TEST_F(CopyTest, ExistingTargetIsOverwritten) {
    std::wstring game = installGame();
    CreateDirectoryW((game + L"\\Data\\Fonts").c_str(), nullptr);
    writeAllBytes(game + L"\\Data\\Fonts\\FixtureSans.ttf", {'o', 'l', 'd'});
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    EXPECT_EQ(lastBox().prompt, L"Copy Completed!");
    EXPECT_EQ(readAllBytes(game + L"\\Data\\Fonts\\FixtureSans.ttf"), readAllBytes(fixturePath(L"FixtureSans.ttf")));
}

TEST_F(CopyTest, ReadOnlyTargetIsReportedAndKeptAndTheWindowStays) {
    std::wstring game = installGame();
    std::wstring target = game + L"\\Data\\Fonts\\FixtureSans.ttf";
    CreateDirectoryW((game + L"\\Data\\Fonts").c_str(), nullptr);
    writeAllBytes(target, {'o', 'l', 'd'});
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt, L"The following error has occured during save: 70 Permission denied");
    EXPECT_EQ(lastBox().title, L"Glyphwright");
    EXPECT_EQ(lastBox().icon, MsgIcon::None);
    EXPECT_EQ(ends_, 0);
    EXPECT_TRUE(main().isLoaded());
    EXPECT_EQ(readAllBytes(target), (std::vector<char>{'o', 'l', 'd'}));
    EXPECT_EQ(folderNames(game + L"\\Data\\Fonts"), std::vector<std::wstring>{L"FixtureSans.ttf"});
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The game holds the font open while it runs: the final replace fails,
// and the old font and no partial file remain.
TEST_F(CopyTest, TargetHeldOpenKeepsTheOldFontAndLeavesNoTemporaryFile) {
    std::wstring game = installGame();
    std::wstring target = game + L"\\Data\\Fonts\\FixtureSans.ttf";
    CreateDirectoryW((game + L"\\Data\\Fonts").c_str(), nullptr);
    writeAllBytes(target, {'o', 'l', 'd'});
    FileHandle held(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt.rfind(L"The following error has occured during save: ", 0), 0u);
    EXPECT_NE(lastBox().prompt, L"Copy Completed!");
    held.reset();
    EXPECT_EQ(readAllBytes(target), (std::vector<char>{'o', 'l', 'd'}));
    EXPECT_EQ(folderNames(game + L"\\Data\\Fonts"), std::vector<std::wstring>{L"FixtureSans.ttf"});
}

// A broken download or a damaged font over the game's good copy: refused,
// nothing written, even where its names can still be read.
TEST_F(CopyTest, FilesThatAreNotSoundFontsAreRefusedAndTheGoodCopyStays) {
    std::wstring fonts = installGame() + L"\\Data\\Fonts\\";
    CreateDirectoryW(fonts.c_str(), nullptr);
    const std::vector<char> good = readAllBytes(fixturePath(L"FixtureSans.ttf"));
    addFont(L"NotAFont.ttf");
    addFont(L"Truncated.ttf");
    writeAllBytes(fontsFolder_ + L"\\GlyphsCut.ttf", withTableChange(good, {"glyf", std::nullopt, 1000}));
    writeAllBytes(fontsFolder_ + L"\\ShortMetrics.ttf", withTableChange(good, {"OS/2", std::nullopt, 40}));
    for (const wchar_t* name : {L"NotAFont.ttf", L"Truncated.ttf", L"GlyphsCut.ttf", L"ShortMetrics.ttf"})
        writeAllBytes(fonts + name, good);
    showMainWindow();
    for (int entry = 0; entry < 4; ++entry) {
        clickListEntry(main().fleOpen.hwnd(), entry);
        pressCopy();
        EXPECT_EQ(lastBox().prompt, L"The following error has occured during save: 321 Invalid file format");
        EXPECT_EQ(readAllBytes(fonts + main().fleOpen.fileName()), good);
    }
    EXPECT_EQ(folderNames(fonts).size(), 4u);
}

// A removed stick or a renamed folder: the source is missing, not the game.
TEST_F(CopyTest, VanishedSourceFolderIsReportedAndTheWindowStays) {
    std::wstring game = installGame();
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    removeTree(fontsFolder_);
    pressCopy();
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(lastBox().prompt, L"The following error has occured during save: 53 File not found");
    EXPECT_EQ(ends_, 0);
    EXPECT_TRUE(main().isLoaded());
    EXPECT_FALSE(fileExists(game + L"\\Data\\Fonts"));
}

// Through the ANSI code page "GameŁ" would become its look-alike "GameL".
TEST_F(CopyTest, GameFolderOutsideTheCodePageReceivesTheCopy) {
    for (const wchar_t* name : {L"GameL", L"Game\u0141"}) {
        CreateDirectoryW((root_ / name).c_str(), nullptr);
        CreateDirectoryW((root_ / name + L"\\Data").c_str(), nullptr);
    }
    registry_.setGameFolder(root_ / L"Game\u0141");
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    EXPECT_EQ(lastBox().prompt, L"Copy Completed!");
    EXPECT_TRUE(fileExists(root_ / L"Game\u0141\\Data\\Fonts\\FixtureSans.ttf"));
    EXPECT_FALSE(fileExists(root_ / L"GameL\\Data\\Fonts"));
}

// A folder name cannot end in a space: spaces around the registered folder
// are no part of it, and must not make the copy blame the installation.
TEST_F(CopyTest, GameFolderWithSpacesAroundItReceivesTheCopy) {
    std::wstring game = installGame();
    registry_.setGameFolder(L"  " + game + L" ");
    addFont(L"FixtureSans.ttf");
    selectFirstFont();
    pressCopy();
    EXPECT_EQ(lastBox().prompt, L"Copy Completed!");
    EXPECT_TRUE(fileExists(game + L"\\Data\\Fonts\\FixtureSans.ttf"));
    EXPECT_EQ(ends_, 0);
}

// At a drive root the file list's path ends in a separator, so the source
// path holds two in a row, which the file system accepts.
TEST_F(CopyTest, SourceAtADriveRoot) {
    std::wstring game = installGame();
    std::wstring name = L"kwroot" + std::to_wstring(GetCurrentProcessId()) + L".ttf";
    ASSERT_TRUE(CopyFileW(fixturePath(L"FixtureSans.ttf").c_str(), (L"C:\\" + name).c_str(), FALSE));
    showMainWindow();
    main().dirOpen.setPath(L"C:\\");
    const std::vector<std::wstring>& names = main().fleOpen.fileNames();
    auto found = std::find(names.begin(), names.end(), name);
    ASSERT_NE(found, names.end());
    clickListEntry(main().fleOpen.hwnd(), static_cast<int>(found - names.begin()));
    pressCopy();
    DeleteFileW((L"C:\\" + name).c_str());
    EXPECT_EQ(lastBox().prompt, L"Copy Completed!");
    EXPECT_EQ(readAllBytes(game + L"\\Data\\Fonts\\" + name), readAllBytes(fixturePath(L"FixtureSans.ttf")));
}
}  // namespace
