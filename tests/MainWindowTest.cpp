// The main window's start-up and quitting.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "forms/Application.h"
#include "forms/Session.h"
#include "main/frmKernwell.h"
#include "runtime/Handle.h"
#include "tests/support/AppFixture.h"
#include "tests/support/DriveLinks.h"
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
    EXPECT_EQ(main.gameFolder().location(), game);
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
    EXPECT_EQ(frmKernwell::instance().gameFolder().location(), L"");
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

// A folder on a file system that is full, prepared by the test command
// (a small tmpfs filled up); empty when there is none.
std::wstring fullDiskFolder() {
    wchar_t folder[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"KERNWELL_FULL_DISK", folder, MAX_PATH);
    return folder;
}

// Files named like the face-name reader's own in a folder.
bool hasResourceFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    return FindHandle(FindFirstFileW((folder + L"\\~TEMP*.FOT").c_str(), &found)).operator bool();
}

// Start-ups that once ended the program before any window, or left it
// unable to preview. Each one now reaches the main window, the browser on a
// folder it can show (the program's own when the fonts folder cannot be
// opened), previews working, and nothing of the reader's left anywhere.
class StartUpTest : public AppFixture, public testing::WithParamInterface<std::string> {};

TEST_P(StartUpTest, ReachesTheMainWindowWithWorkingPreviews) {
    installGame();
    const std::wstring leftOver = programFolder_ + L"\\~TEMP.FOT", temp = root_ / L"Temp";
    CreateDirectoryW(temp.c_str(), nullptr);
    SetEnvironmentVariableW(L"TMP", temp.c_str());
    std::optional<UnavailableDrive> drive;
    FileHandle held;
    const std::string& when = GetParam();
    if (when == "FontsMissing")
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                           L"Fonts");
    if (when == "FontsEmpty") registry_.setFontsFolder(L"");
    if (when == "FontsNoFolder") registry_.setFontsFolder(root_ / L"None");
    if (when == "FontsDriveUnavailable") registry_.setFontsFolder(drive.emplace().root() + L"Fonts");
    if (when == "LeftOverReadOnlyHiddenSystem" || when == "LeftOverHeldOpen") {
        writeAllBytes(leftOver, {'M', 'Z'});
        SetFileAttributesW(leftOver.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    }
    if (when == "LeftOverHeldOpen")
        held.reset(CreateFileW(leftOver.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (when == "LeftOverFolder") CreateDirectoryW(leftOver.c_str(), nullptr);
    if (when == "ProgramFolderUnwritable" || when == "ProgramFolderOnAFullDisk") {
        std::wstring folder = when == "ProgramFolderUnwritable" ? root_ / L"Gone" : fullDiskFolder();
        if (folder.empty()) GTEST_SKIP() << "no full disk: the test command mounts one as root";
        programOverride_.reset();
        programOverride_ = std::make_unique<ProgramFolderOverride>(folder);
    }
    // Another instance started from the same folder: its file is its own.
    std::optional<ProgramFolderMark> otherInstance;
    if (when == "OtherInstanceRuns") {
        otherInstance.emplace(programFolder_);
        writeAllBytes(leftOver, {'M', 'Z'});
    }
    showMainWindow();
    frmKernwell& main = frmKernwell::instance();
    EXPECT_TRUE(IsWindowVisible(main.hwnd()));
    EXPECT_EQ(ends_, 0);
    EXPECT_EQ(main.dirOpen.path(), when.rfind("Fonts", 0) == 0 ? programFolder_ : fontsFolder_);
    EXPECT_EQ(main.GetFontName(fixturePath(L"FixtureSans.ttf")), L"Fixture Sans");
    EXPECT_EQ(fileExists(leftOver), held || otherInstance || when == "LeftOverFolder");
    EXPECT_FALSE(hasResourceFiles(temp));
}

INSTANTIATE_TEST_SUITE_P(Cases, StartUpTest,
                         testing::Values("FontsMissing", "FontsEmpty", "FontsNoFolder", "FontsDriveUnavailable",
                                         "LeftOverReadOnlyHiddenSystem", "LeftOverHeldOpen", "LeftOverFolder",
                                         "ProgramFolderUnwritable", "ProgramFolderOnAFullDisk",
                                         "OtherInstanceRuns"),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

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
    EXPECT_EQ(Application::instance().forms().snapshot().size(), 2u);
}

TEST_F(MainWindowTest, YesUnloadsEveryWindowAndTheLoopEnds) {
    installGame();
    showMainWindow();
    frmPreview::instance().Show();
    boxes_.plan(MsgResult::Yes);
    PostMessageW(frmKernwell::instance().hwnd(), WM_CLOSE, 0, 0);
    runMessageLoop();  // returns only once no window is loaded
    EXPECT_FALSE(frmKernwell::instance().isLoaded());
    EXPECT_FALSE(frmPreview::instance().isLoaded());
    EXPECT_TRUE(Application::instance().forms().empty());
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

// The system's query only asks: another program may still refuse the end of
// the session. The windows go when the session really ends.
TEST_F(MainWindowTest, SessionEndUnloadsOnlyWhenTheSessionReallyEnds) {
    installGame();
    showMainWindow();
    frmPreview::instance().Show();
    HWND main = frmKernwell::instance().hwnd();
    for (BOOL ends : {FALSE, TRUE}) {  // FALSE: another program refused
        boxes_.plan(MsgResult::Yes);
        EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, 0), TRUE);
        SendMessageW(main, WM_ENDSESSION, ends, 0);
        EXPECT_EQ(frmKernwell::instance().isLoaded(), !ends);
        EXPECT_EQ(frmPreview::instance().isLoaded(), !ends);
    }
    EXPECT_EQ(boxes_.boxes().size(), 2u);
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
