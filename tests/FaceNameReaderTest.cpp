// Reading a face name through a temporary font resource file, and the scan
// that finds the name in the file's bytes.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "files/ProgramFolder.h"
#include "fonts/FaceNameReader.h"
#include "fonts/FontResourceScan.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "tests/support/Errors.h"
#include "tests/support/TestFiles.h"

namespace {
using Status = FontResourceScanStatus;

std::string markerAtPosition(size_t position, std::string_view after) {
    return std::string(position - 1, 'x') + "FONTRES:" + std::string(after);
}

// The program folder pointed at a throwaway folder for one test.
class FaceNameReaderTest : public testing::Test {
protected:
    TempFolder folder;
    ProgramFolderOverride programFolder{folder.path()};
    std::wstring temp = folder / TempFontResourceName;
};

// A resource builder that writes the given bytes, as a platform builder
// with another idea of the file's contents would.
FontResourceBuilderFn writing(std::string contents) {
    return [contents](unsigned long, const wchar_t* resource, const wchar_t*, const wchar_t*) {
        writeAllBytes(resource, std::vector<char>(contents.begin(), contents.end()));
        return 1;
    };
}

}  // namespace

TEST(FontResourceScanTest, TakesTheTextBetweenTheFirstMarkerAndTheNextNul) {
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        Status status;
        std::string name;
    };
    const Case cases[] = {
        {"MZ\x01" "FONTRES:Fixture Sans\0tail"s, Status::Found, "Fixture Sans"},
        {"FONTRES:\0Name\0"s, Status::Found, ""},
        {"FONTRES:First\0FONTRES:Second\0"s, Status::Found, "First"},
        {"1234567rest\0more"s, Status::Found, "rest"},           // no marker: from position 8
        {"fontres:Name\0"s, Status::Found, ":Name"},              // other case is no marker
        {"FONTRES:Name"s, Status::NoTerminator, ""},
        {"short"s, Status::NoTerminator, ""},                    // the start lies past the end
        {""s, Status::NoTerminator, ""},
        {markerAtPosition(32759, "Far\0"s), Status::Found, "Far"},  // starts at 32767
        {markerAtPosition(32760, "Far\0"s), Status::StartOverflow, ""},
    };
    for (const Case& c : cases) {
        FontResourceScanResult scan = scanFontResourceName(c.bytes);
        EXPECT_EQ(scan.status, c.status) << c.bytes.substr(0, 40);
        EXPECT_EQ(scan.name, c.name) << c.bytes.substr(0, 40);
    }
}

TEST_F(FaceNameReaderTest, ReadsTheExactFaceNameAndDeletesTheTemporaryFile) {
    const std::pair<const wchar_t*, const wchar_t*> fonts[] = {
        {L"FixtureSansBold.ttf", L"Fixture Sans Bold"},
        {L"FixtureMonoBoldItalic.ttf", L"Fixture Mono Bold Italic"},
        {L"FixtureCafe.ttf", L"Fixture Caf\u00e9"},
    };
    for (const auto& [file, faceName] : fonts) {
        EXPECT_EQ(readFaceName(fixturePath(file)), faceName);
        EXPECT_FALSE(fileExists(temp)) << file;
    }
}

TEST_F(FaceNameReaderTest, GivesAnEmptyNameForFilesThatAreNotFonts) {
    for (const wchar_t* file : {L"NotAFont.ttf", L"Empty.ttf", L"Truncated.ttf"}) {
        EXPECT_EQ(readFaceName(fixturePath(file)), L"") << file;
        EXPECT_FALSE(fileExists(temp)) << file;
    }
}

// Through the ANSI code page "Łódź" becomes its neighbour "Lódz", and the
// program folder "KernŁ" becomes "KernL".
TEST_F(FaceNameReaderTest, NamesOutsideTheCodePageReadTheirOwnFiles) {
    ASSERT_TRUE(CreateDirectoryW((folder / L"Kern\u0141").c_str(), nullptr));
    ProgramFolderOverride programOutside{folder / L"Kern\u0141"};
    CopyFileW(fixturePath(L"FixtureSansBold.ttf").c_str(), (folder / L"\u0141\u00f3d\u017a.ttf").c_str(), FALSE);
    CopyFileW(fixturePath(L"FixtureSerifItalic.ttf").c_str(), (folder / L"L\u00f3dz.ttf").c_str(), FALSE);
    EXPECT_EQ(readFaceName(folder / L"\u0141\u00f3d\u017a.ttf"), L"Fixture Sans Bold");
    EXPECT_EQ(readFaceName(folder / L"L\u00f3dz.ttf"), L"Fixture Serif Italic");
    EXPECT_FALSE(fileExists(folder / L"KernL"));
}

TEST_F(FaceNameReaderTest, LeftOverTemporaryFileBlocksEveryReadAndStays) {
    const std::vector<char> leftOver = {'F', 'O', 'N', 'T', 'R', 'E', 'S', ':', 'O', 'l', 'd', '\0'};
    writeAllBytes(temp, leftOver);
    for (int click = 0; click < 2; ++click) {
        EXPECT_EQ(readFaceName(fixturePath(L"FixtureSans.ttf")), L"");
        EXPECT_EQ(readAllBytes(temp), leftOver);
    }
}

TEST_F(FaceNameReaderTest, CallsTheBuilderAsThePlatformCallIsMade) {
    unsigned long hidden = 0;
    std::wstring resource, font;
    bool currentPathIsNull = false;
    FontResourceBuilderFn record = [&](unsigned long h, const wchar_t* r, const wchar_t* f, const wchar_t* c) {
        hidden = h;
        resource = r;
        font = f;
        currentPathIsNull = c == nullptr;
        return 0;
    };
    EXPECT_EQ(readFaceNameWith(L"C:\\Fonts\\Some Font.ttf", record), L"");
    EXPECT_EQ(hidden, 1u);
    EXPECT_EQ(resource, folder.path() + L"\\~TEMP.FOT");
    EXPECT_EQ(font, L"C:\\Fonts\\Some Font.ttf");
    EXPECT_TRUE(currentPathIsNull);
}

TEST_F(FaceNameReaderTest, DeletesTheTemporaryFileAfterEveryError) {
    using namespace std::string_literals;
    const std::pair<std::string, int> failures[] = {
        {"MZ FONTRES:No terminator"s, err::InvalidCall},
        {markerAtPosition(40000, "Too far\0"s), err::Overflow},
    };
    for (const auto& [contents, number] : failures) {
        EXPECT_EQ(errorNumberOf([&] { readFaceNameWith(L"any.ttf", writing(contents)); }), number);
        EXPECT_FALSE(fileExists(temp));
    }
    // A later read is not blocked by anything the failures left.
    EXPECT_EQ(readFaceName(fixturePath(L"FixtureSans.ttf")), L"Fixture Sans");
}

TEST_F(FaceNameReaderTest, ReportsAResourceFileThatCannotBeOpened) {
    auto claimsSuccess = [](unsigned long, const wchar_t*, const wchar_t*, const wchar_t*) { return 1; };
    EXPECT_EQ(errorNumberOf([&] { readFaceNameWith(L"any.ttf", claimsSuccess); }), err::FileNotFound);
}

TEST(TempFontResourcePathTest, SitsInTheProgramFolderWithOneSeparator) {
    {
        ProgramFolderOverride root(L"C:\\");
        EXPECT_EQ(tempFontResourcePath(), L"C:\\~TEMP.FOT");
    }
    ProgramFolderOverride folder(L"C:\\Program Files\\Kernwell");
    EXPECT_EQ(tempFontResourcePath(), L"C:\\Program Files\\Kernwell\\~TEMP.FOT");
}
