#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "files/Drives.h"
#include "files/FileNames.h"
#include "files/Folders.h"
#include "files/Paths.h"
#include "files/MatchingFiles.h"
#include "runtime/RuntimeError.h"
#include "tests/support/DriveLinks.h"
#include "tests/support/Errors.h"
#include "tests/support/TestFiles.h"

namespace {
using Names = std::vector<std::wstring>;

void makeFile(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    writeAllBytes(path, {'x'});
    EXPECT_TRUE(SetFileAttributesW(path.c_str(), attributes));
}

void makeFolder(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    if (attributes != FILE_ATTRIBUTE_NORMAL) {
        EXPECT_TRUE(SetFileAttributesW(path.c_str(), attributes));
    }
}

// "q:" for 'Q'.
std::wstring driveLabelOf(wchar_t letter) { return {static_cast<wchar_t>(std::towlower(letter)), L':'}; }

// What a drive name is defined as; empty when it is not defined.
std::wstring dosDeviceOf(const std::wstring& name) {
    wchar_t target[1024];
    return QueryDosDeviceW(name.c_str(), target, 1024) ? target : L"";
}

bool sameFolder(const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) == 0; }

TEST(FileListTest, ListsMatchingFilesOfEveryAttributeInOrder) {
    TempFolder folder;
    makeFile(folder / L"b.TTF");
    makeFile(folder / L"a.ttf");
    makeFile(folder / L"Hidden.ttf", FILE_ATTRIBUTE_HIDDEN);
    makeFile(folder / L"system.ttf", FILE_ATTRIBUTE_SYSTEM);
    makeFile(folder / L"readonly.ttf", FILE_ATTRIBUTE_READONLY);
    makeFile(folder / L"archive.ttf", FILE_ATTRIBUTE_ARCHIVE);
    makeFile(folder / L"a.ttfx");
    makeFile(folder / L"b.txt");
    makeFile(folder / L"ttf");
    makeFolder(folder / L"x.ttf");

    Names expected = {L"a.ttf", L"archive.ttf", L"b.TTF", L"Hidden.ttf", L"readonly.ttf", L"system.ttf"};
    EXPECT_EQ(listMatchingFiles(folder.path(), L"*.ttf"), expected);
    // A folder path given with its separator, as a drive root is.
    EXPECT_EQ(listMatchingFiles(folder.path() + L"\\", L"*.ttf"), expected);
}

TEST(FileListTest, EmptyAndMissingFolders) {
    TempFolder folder;
    makeFile(folder / L"readme.txt");
    EXPECT_TRUE(listMatchingFiles(folder.path(), L"*.ttf").empty());
    EXPECT_EQ(errorNumberOf([&] { listMatchingFiles(folder / L"missing", L"*.ttf"); }), err::PathNotFound);
}

TEST(FileListTest, ManyFilesAllListed) {
    TempFolder folder;
    for (int i = 0; i < 300; ++i) makeFile(folder / (L"f" + std::to_wstring(1000 + i) + (i % 2 ? L".ttf" : L".otf")));
    Names names = listMatchingFiles(folder.path(), L"*.ttf");
    ASSERT_EQ(names.size(), 150u);
    EXPECT_EQ(names.front(), L"f1001.ttf");
    EXPECT_EQ(names.back(), L"f1299.ttf");
}

TEST(NamesTest, PatternMatching) {
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    };
    const Case cases[] = {
        {L"a.ttf", L"*.ttf", true},         {L"A.TTF", L"*.ttf", true},
        {L".ttf", L"*.ttf", true},          {L"a.ttf.ttf", L"*.ttf", true},
        {L"a.ttfx", L"*.ttf", false},       {L"a.tt", L"*.ttf", false},
        {L"ttf", L"*.ttf", false},          {L"a.ttf.bak", L"*.ttf", false},
        {L"ab", L"?b", true},               {L"b", L"?b", false},
        {L"abc", L"a*b*c", true},           {L"aXbYc", L"a*b*c", true},
        {L"ac", L"a*b*c", false},           {L"abcb", L"a*b", true},
        {L"noext", L"*.*", true},           {L"x.bmp", L"*.ico;*.bmp", true},
        {L"x.gif", L"*.ico;*.bmp", false},  {L"\u00c9t\u00e9.TTF", L"\u00e9t\u00c9.ttf", true},
        {L"anything", L"*", true},          {L"", L"?", false},
    };
    for (const Case& c : cases) EXPECT_EQ(NamePattern(c.pattern).matches(c.name), c.matches) << c.name << L" " << c.pattern;
}

TEST(NamesTest, SortIgnoresCaseAndKeepsCaseTwinsInFixedOrder) {
    Names names = {L"b", L"a", L"C", L"A", L"\u00e9", L"d"};
    sortNoCase(names);
    EXPECT_EQ(names, (Names{L"A", L"a", L"b", L"C", L"d", L"\u00e9"}));
}

TEST(FoldersTest, SubfoldersSortedWithHiddenOnesAndWithoutFiles) {
    TempFolder folder;
    makeFolder(folder / L"beta");
    makeFolder(folder / L"Alpha");
    makeFolder(folder / L"gamma", FILE_ATTRIBUTE_HIDDEN);
    makeFolder(folder / L"Delta", FILE_ATTRIBUTE_SYSTEM);
    makeFile(folder / L"epsilon");
    EXPECT_EQ(listSubfolders(folder.path()), (Names{L"Alpha", L"beta", L"Delta", L"gamma"}));
    EXPECT_TRUE(listSubfolders(folder / L"beta").empty());
}

TEST(FoldersTest, MissingFolderIsPathNotFound) {
    TempFolder folder;
    makeFile(folder / L"file.ttf");
    EXPECT_EQ(errorNumberOf([&] { listSubfolders(folder / L"missing"); }), err::PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { listSubfolders(folder / L"missing\\deeper"); }), err::PathNotFound);
    EXPECT_NE(errorNumberOf([&] { listSubfolders(folder / L"file.ttf"); }), 0);
}

TEST(FoldersTest, UnavailableDriveIsDeviceUnavailable) {
    UnavailableDrive drive;
    EXPECT_EQ(GetDriveTypeW(drive.root().c_str()), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_EQ(errorNumberOf([&] { currentFolderOfDrive(drive.letter()); }), err::DeviceUnavailable);
    EXPECT_EQ(errorNumberOf([&] { listSubfolders(drive.root()); }), err::DeviceUnavailable);
    EXPECT_EQ(errorNumberOf([&] { listSubfolders(drive.drive()); }), err::DeviceUnavailable);
    EXPECT_EQ(errorNumberOf([&] { listMatchingFiles(drive.root(), L"*.ttf"); }), err::DeviceUnavailable);
    // Below the root the folder is merely missing.
    EXPECT_EQ(errorNumberOf([&] { listSubfolders(drive.root() + L"Fonts"); }), err::PathNotFound);
}

TEST(FoldersTest, UnavailableDrivesAreListedWithoutLabel) {
    UnavailableDrive first;
    UnavailableDrive second;
    EXPECT_NE(first.letter(), second.letter());
    std::vector<DriveEntry> drives = listDrives();
    for (wchar_t letter : {first.letter(), second.letter()}) {
        auto found = std::find_if(drives.begin(), drives.end(), [&](const DriveEntry& d) { return d.letter == letter; });
        ASSERT_NE(found, drives.end()) << static_cast<char>(letter);
        EXPECT_EQ(driveText(*found), driveLabelOf(letter));
    }
}

// Another test process may take the freed letter at once, so the check is
// that this definition is gone, not the letter.
TEST(FoldersTest, UnavailableDriveIsGoneAfterwards) {
    std::wstring name;
    std::wstring definition;
    {
        UnavailableDrive drive;
        name = drive.drive();
        EXPECT_TRUE(GetLogicalDrives() & (1u << (drive.letter() - L'A')));
        definition = dosDeviceOf(name);
        ASSERT_FALSE(definition.empty());
    }
    EXPECT_NE(dosDeviceOf(name), definition);
}

TEST(FoldersTest, CurrentFolderOfDrive) {
    TempFolder folder;
    makeFolder(folder / L"current");
    wchar_t saved[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, saved);

    ASSERT_TRUE(SetCurrentDirectoryW((folder / L"current").c_str()));
    EXPECT_PRED2(sameFolder, currentFolderOfDrive(L'c'), folder / L"current");

    // The folder remembered for a drive that is not current, then removed.
    ASSERT_TRUE(SetCurrentDirectoryW(L"Z:\\"));
    ASSERT_TRUE(SetEnvironmentVariableW(L"=C:", (folder / L"current").c_str()));
    EXPECT_PRED2(sameFolder, currentFolderOfDrive(L'C'), folder / L"current");
    ASSERT_TRUE(RemoveDirectoryW((folder / L"current").c_str()));
    EXPECT_EQ(currentFolderOfDrive(L'C'), L"C:\\");

    SetCurrentDirectoryW(saved);
}

TEST(FoldersTest, DriveRootsAndAncestors) {
    struct Case {
        std::wstring path;
        bool root;
        Names ancestors;
    };
    const std::vector<Case> cases = {
        {L"C:\\", true, {L"C:\\"}},
        {L"C:", true, {L"C:\\"}},
        {L"c:\\\\", true, {L"c:\\"}},
        {L"C:\\a", false, {L"C:\\", L"C:\\a"}},
        {L"C:\\a\\b", false, {L"C:\\", L"C:\\a", L"C:\\a\\b"}},
        {L"C:\\a\\b\\", false, {L"C:\\", L"C:\\a", L"C:\\a\\b"}},
        {L"C:\\a\\\\b", false, {L"C:\\", L"C:\\a", L"C:\\a\\\\b"}},
        {L"\\\\server\\share", true, {L"\\\\server\\share"}},
        {L"\\\\server\\share\\fonts", false, {L"\\\\server\\share\\", L"\\\\server\\share\\fonts"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isDriveRoot(c.path), c.root) << c.path;
        EXPECT_EQ(folderAncestors(c.path), c.ancestors) << c.path;
    }
}

TEST(DrivesTest, ListsFixedDrivesCAndZInOrder) {
    std::vector<DriveEntry> drives = listDrives();
    std::wstring letters;
    for (const DriveEntry& drive : drives) letters += drive.letter;
    EXPECT_NE(letters.find(L'C'), std::wstring::npos);
    EXPECT_NE(letters.find(L'Z'), std::wstring::npos);
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end()));
    for (const DriveEntry& drive : drives)
        EXPECT_EQ(driveText(drive).substr(0, 2), driveLabelOf(drive.letter));
}

// The label read through the root folder is the one GetVolumeInformationW
// reports; make test gives C: of the test prefix a label to compare.
TEST(DrivesTest, FixedDriveShowsTheLabelTheSystemReports) {
    wchar_t label[MAX_PATH + 1] = {};
    ASSERT_TRUE(GetVolumeInformationW(L"C:\\", label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0));
    if (!*label) GTEST_SKIP() << "C: has no volume label in this prefix";
    std::vector<DriveEntry> drives = listDrives();
    auto c = std::find_if(drives.begin(), drives.end(), [](const DriveEntry& d) { return d.letter == L'C'; });
    ASSERT_NE(c, drives.end());
    EXPECT_EQ(c->label, label);
}

TEST(DrivesTest, TextShowsLowerCaseLetterAndLabelInBrackets) {
    EXPECT_EQ(driveText({L'C', L"SYSTEM"}), L"c: [SYSTEM]");
    EXPECT_EQ(driveText({L'D', L"Fonts 2"}), L"d: [Fonts 2]");
    EXPECT_EQ(driveText({L'A', L""}), L"a:");
}
}  // namespace
