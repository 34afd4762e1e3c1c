#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "files/Folders.h"
#include "files/SafeCopy.h"
#include "runtime/Handle.h"
#include "runtime/RuntimeError.h"
#include "tests/support/Errors.h"
#include "tests/support/TestFiles.h"

namespace {
using Bytes = std::vector<char>;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::vector<std::wstring> entryNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const FolderEntry& entry : listEntries(folder)) names.push_back(entry.name);
    return names;
}

// A game folder with Data\Fonts, a font to copy beside it, and a font of the
// same name already in the game's folder.
class SafeCopyTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryW((root / L"Data").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(fonts.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW((root / L"source").c_str(), nullptr));
        writeAllBytes(source, newBytes);
        writeAllBytes(target, oldBytes);
    }
    void TearDown() override {
        SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    void expectTargetUntouched() {
        EXPECT_EQ(readAllBytes(target), oldBytes);
        EXPECT_EQ(entryNames(fonts), std::vector<std::wstring>{L"Font.ttf"});
    }

    TempFolder root;
    std::wstring fonts = root / L"Data\\Fonts";
    std::wstring source = root / L"source\\Font.ttf";
    std::wstring target = fonts + L"\\Font.ttf";
    Bytes newBytes = bytesOf(std::string("new font\0\xff\r\n\x1a bytes", 20));
    Bytes oldBytes = bytesOf("old font");
};

TEST_F(SafeCopyTest, CopiesIntoAnEmptyFolder) {
    ASSERT_TRUE(DeleteFileW(target.c_str()));
    copyFileSafely(source, target);
    EXPECT_EQ(readAllBytes(target), newBytes);
    EXPECT_EQ(readAllBytes(source), newBytes);
    EXPECT_EQ(entryNames(fonts), std::vector<std::wstring>{L"Font.ttf"});
}

TEST_F(SafeCopyTest, OverwritesAnExistingTarget) {
    copyFileSafely(source, target);
    EXPECT_EQ(readAllBytes(target), newBytes);
    EXPECT_EQ(entryNames(fonts), std::vector<std::wstring>{L"Font.ttf"});
}

TEST_F(SafeCopyTest, AcceptsDoubledSeparatorsOfADriveRootPath) {
    copyFileSafely(root / L"source\\\\Font.ttf", fonts + L"\\\\Font.ttf");
    EXPECT_EQ(readAllBytes(target), newBytes);
}

TEST_F(SafeCopyTest, ReadOnlyTargetIsRefusedAndKept) {
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(errorNumberOf([&] { copyFileSafely(source, target); }), err::PermissionDenied);
    expectTargetUntouched();
}

TEST_F(SafeCopyTest, TargetInUseWithoutDeleteSharingFailsAndIsKept) {
    FileHandle game(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(game);
    EXPECT_EQ(errorNumberOf([&] { copyFileSafely(source, target); }), err::PermissionDenied);
    game.reset();
    expectTargetUntouched();
}

TEST_F(SafeCopyTest, ReadOnlySourceCopiesAndLeavesNoTemporaryFileOnFailure) {
    ASSERT_TRUE(SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        FileHandle game(CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(game);
        EXPECT_NE(errorNumberOf([&] { copyFileSafely(source, target); }), 0);
    }
    expectTargetUntouched();
    copyFileSafely(source, target);
    EXPECT_EQ(readAllBytes(target), newBytes);
}

// A font from a CD: the installed copy must take the next update too.
TEST_F(SafeCopyTest, CopyOfAReadOnlyHiddenSystemSourceIsAnOrdinaryFile) {
    const DWORD carried = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesW(source.c_str(), carried));
    for (int copy = 0; copy < 2; ++copy) {
        EXPECT_EQ(errorNumberOf([&] { copyFileSafely(source, target); }), 0) << copy;
        EXPECT_EQ(GetFileAttributesW(target.c_str()) & carried, 0u) << copy;
    }
    EXPECT_EQ(readAllBytes(target), newBytes);
    EXPECT_EQ(entryNames(fonts), std::vector<std::wstring>{L"Font.ttf"});
}

// Temporary copies of processes that no longer run are removed; one of a
// running process (this one) may be a copy in progress and stays, and so
// does every other name.
TEST_F(SafeCopyTest, StaleTemporaryCopiesAreRemoved) {
    const std::wstring stale = fonts + L"\\~kw4294967280_1.tmp";
    const std::wstring kept[] = {L"~kw" + std::to_wstring(GetCurrentProcessId()) + L"_7.tmp", L"~kwx_1.tmp",
                                 L"~kw12.tmp", L"~kw4294967280_1.tmp.bak"};
    for (const std::wstring& name : kept) writeAllBytes(fonts + L"\\" + name, {'x'});
    writeAllBytes(stale, {'x'});
    SetFileAttributesW(stale.c_str(), FILE_ATTRIBUTE_READONLY);
    copyFileSafely(source, target);
    EXPECT_FALSE(fileExists(stale));
    for (const std::wstring& name : kept) EXPECT_TRUE(fileExists(fonts + L"\\" + name)) << name;
}

TEST_F(SafeCopyTest, SourceLockedByAnotherProgramFails) {
    FileHandle other(CreateFileW(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(other);
    EXPECT_EQ(errorNumberOf([&] { copyFileSafely(source, target); }), err::PermissionDenied);
    other.reset();
    expectTargetUntouched();
}

// Also when the file is read-only (a font copied from a CD) and could not
// be replaced.
TEST_F(SafeCopyTest, CopyOntoItselfLeavesTheFileIntact) {
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::wstring sameFile[] = {target, fonts + L"\\\\Font.ttf", root / L"DATA\\fonts\\FONT.TTF",
                                     fonts + L"\\..\\Fonts\\Font.ttf"};
    for (const std::wstring& name : sameFile) {
        EXPECT_EQ(errorNumberOf([&] { copyFileSafely(target, name); }), 0) << name;
        expectTargetUntouched();
    }
}

TEST_F(SafeCopyTest, MissingSourceOrFolder) {
    EXPECT_EQ(errorNumberOf([&] { copyFileSafely(root / L"source\\None.ttf", target); }), err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { copyFileSafely(root / L"gone\\Font.ttf", target); }), err::FileNotFound);
    expectTargetUntouched();
    EXPECT_EQ(errorNumberOf([&] { copyFileSafely(source, root / L"Data\\Missing\\Font.ttf"); }), err::PathNotFound);
}

TEST_F(SafeCopyTest, FolderInTheWayIsRefused) {
    ASSERT_TRUE(CreateDirectoryW((fonts + L"\\Folder.ttf").c_str(), nullptr));
    EXPECT_NE(errorNumberOf([&] { copyFileSafely(source, fonts + L"\\Folder.ttf"); }), 0);
    EXPECT_EQ(listEntries(fonts).size(), 2u);
}

TEST(EnsureFolderTest, CreatesOnlyTheLastLevel) {
    TempFolder game;
    ASSERT_TRUE(CreateDirectoryW((game / L"Data").c_str(), nullptr));

    ensureFolder(game / L"Data\\Fonts\\");
    DWORD attributes = GetFileAttributesW((game / L"Data\\Fonts").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    ensureFolder(game / L"Data\\Fonts\\");

    EXPECT_EQ(errorNumberOf([&] { ensureFolder(game / L"Missing\\Fonts\\"); }), err::PathNotFound);
    EXPECT_FALSE(fileExists(game / L"Missing"));

    writeAllBytes(game / L"Data\\File", {'x'});
    EXPECT_NE(errorNumberOf([&] { ensureFolder(game / L"Data\\File\\"); }), 0);
}
}  // namespace
