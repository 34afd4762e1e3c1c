// The installed screen fonts and the longest installed prefix of a name.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "files/ProgramFolder.h"
#include "fonts/FaceNameReader.h"
#include "fonts/FontStyle.h"
#include "fonts/InstalledFonts.h"
#include "runtime/Text.h"
#include "tests/support/TestFiles.h"

namespace {
// How often the family is listed (once per character set it offers).
long listings(const std::wstring& family) {
    std::vector<std::wstring> families = installedScreenFontFamilies();
    return std::count(families.begin(), families.end(), family);
}

// A fixture font installed for this process only, while in scope.
class PrivateFont {
public:
    explicit PrivateFont(const wchar_t* file) : path_(fixturePath(file)) {
        added_ = AddFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr);
    }
    ~PrivateFont() { RemoveFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr); }
    int added() const { return added_; }

private:
    std::wstring path_;
    int added_ = 0;
};

// The specified search over a list of names: the base name itself when no
// prefix of it is listed.
std::wstring longestListedPrefix(const std::wstring& baseName, const std::vector<std::wstring>& listed) {
    auto isListed = [&](const std::wstring& name) {
        return std::find(listed.begin(), listed.end(), name) != listed.end();
    };
    return findLongestInstalledPrefix(baseName, isListed).value_or(baseName);
}

bool isInstalledFamily(const std::wstring& name) { return InstalledFamilyLookup().isInstalled(name); }
}  // namespace

TEST(LongestInstalledPrefixTest, KeepsTheLongestPrefixThatIsAWholeInstalledName) {
    const std::vector<std::wstring> installed = {L"Arial", L"Times New Roman", L"Q", L"Fixture",
                                                 L"Fixture Sans", L"Courier New"};
    struct Case {
        const wchar_t* baseName;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"Arial", L"Arial"},
        {L"Arial Narrow Special", L"Arial"},
        {L"Times New Roman ", L"Times New Roman"},
        {L"Fixture Sans ", L"Fixture Sans"},
        {L"Quirky Face", L"Q"},
        {L"Zed Face", L"Zed Face"},
        {L"Ari", L"Ari"},
        {L"arial", L"arial"},
        {L"TIMES NEW ROMAN", L"TIMES NEW ROMAN"},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(longestListedPrefix(c.baseName, installed), c.expected) << c.baseName;
    EXPECT_EQ(longestListedPrefix(L"Arial", {}), L"Arial");
}

TEST(InstalledScreenFontsTest, ListsAFontOnceItIsInstalled) {
    // The test prefix may have the family installed already; only the
    // change is the font's doing.
    const long before = listings(L"Fixture Serif");
    {
        PrivateFont font(L"FixtureSerifItalic.ttf");
        ASSERT_GT(font.added(), 0);
        EXPECT_GT(listings(L"Fixture Serif"), before);
        EXPECT_EQ(installedScreenFontFamilies(), installedScreenFontFamilies()) << "a stable order";
    }
    EXPECT_EQ(listings(L"Fixture Serif"), before);
}

TEST(InstalledScreenFontsTest, OneClickEndsOnTheInstalledFamily) {
    TempFolder folder;
    ProgramFolderOverride programFolder(folder.path());
    PrivateFont font(L"FixtureSansBold.ttf");
    ASSERT_GT(font.added(), 0);
    StyleSplit split = splitStyleWord(readFaceName(fixturePath(L"FixtureSansBold.ttf")));
    EXPECT_EQ(split.bold, FlagChange::Set);
    EXPECT_EQ(longestListedPrefix(split.baseName, installedScreenFontFamilies()), L"Fixture Sans");
}

// Asking for one family by name answers as the full list does, for names
// the platform matches loosely: letter case, prefixes, longer names,
// substitutes and full names of faces.
TEST(InstalledScreenFontsTest, NameLookupAgreesWithTheFullList) {
    PrivateFont font(L"FixtureSerifItalic.ttf");
    const std::vector<std::wstring> installed = installedScreenFontFamilies();
    std::vector<std::wstring> names = {L"", L"MS Shell Dlg", L"MS Shell Dlg 2", L"Helvetica", L"Times",
                                       L"Helv", L"Arial CE,238", L"Fixture Serif Italic",
                                       std::wstring(40, L'x')};
    for (const std::wstring& name : installed) {
        std::wstring upper = name;
        CharUpperW(upper.data());
        names.insert(names.end(), {name, upper, name.substr(0, name.size() - 1), name + L" Wide"});
    }
    for (const std::wstring& name : names) {
        bool listed = std::find(installed.begin(), installed.end(), name) != installed.end();
        EXPECT_EQ(isInstalledFamily(name), listed) << toAnsi(name);
        EXPECT_EQ(findLongestInstalledPrefix(name, isInstalledFamily).value_or(name),
                  longestListedPrefix(name, installed))
            << toAnsi(name);
    }
}
