// The font resource builder: the names it reads from TrueType files, the
// file it writes, and the platform's acceptance of that file.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fonts/FontResourceBuilder.h"
#include "fonts/FontResourceScan.h"
#include "fonts/TrueTypeMetrics.h"
#include "fonts/TrueTypeNames.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "tests/support/Errors.h"
#include "tests/support/TestFiles.h"

namespace {
// A TrueType file with nothing but a name table, made in memory.

struct NameRecord {
    uint16_t platform, encoding, language, nameId;
    std::string bytes;
};

std::string utf16be(std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

NameRecord windowsName(uint16_t nameId, std::u16string_view text, uint16_t language = 0x0409) {
    return {3, 1, language, nameId, utf16be(text)};
}

NameRecord macName(uint16_t nameId, std::string text, uint16_t language = 0) {
    return {1, 0, language, nameId, std::move(text)};
}

void put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

void put32(std::vector<unsigned char>& out, uint32_t value) {
    put16(out, value >> 16);
    put16(out, value & 0xFFFF);
}

std::vector<unsigned char> fontWithNames(const std::vector<NameRecord>& records,
                                         uint32_t version = 0x00010000,
                                         std::optional<uint16_t> claimedCount = std::nullopt) {
    std::vector<unsigned char> table;
    put16(table, 0);
    put16(table, claimedCount.value_or(static_cast<uint16_t>(records.size())));
    put16(table, static_cast<unsigned>(6 + 12 * records.size()));
    std::string strings;
    for (const NameRecord& r : records) {
        for (unsigned field : {r.platform, r.encoding, r.language, r.nameId}) put16(table, field);
        put16(table, static_cast<unsigned>(r.bytes.size()));
        put16(table, static_cast<unsigned>(strings.size()));
        strings += r.bytes;
    }
    table.insert(table.end(), strings.begin(), strings.end());

    std::vector<unsigned char> font;
    put32(font, version);
    put16(font, 1);  // one table
    for (int i = 0; i < 3; ++i) put16(font, 0);
    font.insert(font.end(), {'n', 'a', 'm', 'e'});
    put32(font, 0);
    put32(font, 28);
    put32(font, static_cast<uint32_t>(table.size()));
    font.insert(font.end(), table.begin(), table.end());
    return font;
}

std::optional<std::u16string> faceNameOf(const std::vector<unsigned char>& font) {
    auto names = readTrueTypeNames(font);
    if (!names) return std::nullopt;
    return names->faceName;
}

// Reading back a written resource file the way the platform does.

uint16_t le16(const std::vector<char>& b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b.at(at)) |
                                 static_cast<unsigned char>(b.at(at + 1)) << 8);
}

uint32_t le32(const std::vector<char>& b, size_t at) {
    return le16(b, at) | static_cast<uint32_t>(le16(b, at + 2)) << 16;
}

size_t neHeader(const std::vector<char>& fot) { return le32(fot, 0x3C); }

// The data of the first resource of a type, found through the NE resource table.
std::string resourceData(const std::vector<char>& fot, uint16_t type) {
    size_t table = neHeader(fot) + le16(fot, neHeader(fot) + 0x24);
    unsigned shift = le16(fot, table);
    for (size_t at = table + 2; le16(fot, at) != 0; at += 8 + 12 * le16(fot, at + 2)) {
        if (le16(fot, at) != type) continue;
        size_t offset = static_cast<size_t>(le16(fot, at + 8)) << shift;
        size_t length = static_cast<size_t>(le16(fot, at + 10)) << shift;
        return std::string(fot.begin() + offset, fot.begin() + offset + length);
    }
    ADD_FAILURE() << "no resource of type " << type;
    return {};
}

std::string cString(const std::string& bytes, size_t at = 0) {
    return std::string(bytes.c_str() + at);
}

std::string ansiPath(const std::wstring& path) { return toAnsi(path); }

int build(DWORD hidden, const std::wstring& resource, const std::wstring& font) {
    return createScalableFontResource(hidden, resource.c_str(), font.c_str(), nullptr);
}

std::wstring recordedFaceName(const std::wstring& resource) {
    std::vector<char> bytes = readAllBytes(resource);
    FontResourceScanResult scan = scanFontResourceName(std::string_view(bytes.data(), bytes.size()));
    EXPECT_EQ(scan.status, FontResourceScanStatus::Found);
    return fromAnsi(scan.name);
}

struct FixtureName {
    const wchar_t* file;
    const wchar_t* faceName;
};

const FixtureName ValidFixtures[] = {
    {L"FixtureSans.ttf", L"Fixture Sans"},
    {L"FixtureSansBold.ttf", L"Fixture Sans Bold"},
    {L"FixtureSerifItalic.ttf", L"Fixture Serif Italic"},
    {L"FixtureMonoBoldItalic.ttf", L"Fixture Mono Bold Italic"},
    {L"BoldFaceSans.ttf", L"BoldFace Sans"},
    {L"FixtureMac.ttf", L"Fixture Mac"},
    {L"FixtureLongName31.ttf", L"Fixture Thirty One Characters A"},
    {L"FixtureNoFullBold.ttf", L"Fixture Nofull Bold"},
    {L"FixturePlain.ttf", L"Fixture Plain"},
    {L"FixtureCafe.ttf", L"Fixture Caf\u00e9"},
};

const wchar_t* const BrokenFixtures[] = {L"NotAFont.ttf", L"Empty.ttf", L"Truncated.ttf",
                                         L"NoSuchFont.ttf"};
}  // namespace

TEST(TrueTypeNamesTest, ChoosesTheFullNameByPlatformPreference) {
    struct Case {
        const char* what;
        std::vector<NameRecord> records;
        std::u16string expected;
    };
    const Case cases[] = {
        {"Windows US English wins over earlier records",
         {macName(4, "Mac Name"), windowsName(4, u"German Name", 0x0407), windowsName(4, u"US Name")},
         u"US Name"},
        {"any Windows record wins over a Macintosh one",
         {macName(4, "Mac Name"), windowsName(4, u"German Name", 0x0407)},
         u"German Name"},
        {"Macintosh Roman English is decoded from Mac Roman",
         {macName(4, "Caf\x8E Cr\x8Fme")},
         u"Caf\u00e9 Cr\u00e8me"},
        {"an empty full name is passed over",
         {windowsName(4, u""), macName(4, "Mac Name")},
         u"Mac Name"},
        {"without a full name, family and style",
         {windowsName(1, u"Family"), windowsName(2, u"Bold Italic")},
         u"Family Bold Italic"},
        {"a Regular style is left out",
         {windowsName(1, u"Family"), windowsName(2, u"Regular")},
         u"Family"},
        {"a family without a style stands alone",
         {windowsName(1, u"Family")},
         u"Family"},
        {"a Macintosh record in another language is not read",
         {macName(4, "Nom complet", 2), windowsName(1, u"Family")},
         u"Family"},
        {"a stray last byte of an odd length is dropped",
         {{3, 1, 0x0409, 4, utf16be(u"Odd") + '\x00'}},
         u"Odd"},
    };
    for (const Case& c : cases) EXPECT_EQ(faceNameOf(fontWithNames(c.records)), c.expected) << c.what;
}

TEST(TrueTypeNamesTest, GivesNothingForFilesThatAreNotTrueTypeOrHaveNoName) {
    const std::vector<NameRecord> named = {windowsName(4, u"Name")};
    EXPECT_EQ(faceNameOf(fontWithNames(named, 0x74727565)), u"Name");  // 'true'
    EXPECT_FALSE(faceNameOf(fontWithNames(named, 0x4F54544F)));  // 'OTTO', CFF outlines
    EXPECT_FALSE(faceNameOf(fontWithNames(named, 0x74746366)));  // 'ttcf', a collection
    EXPECT_FALSE(faceNameOf(fontWithNames({windowsName(2, u"Bold")})));
    EXPECT_FALSE(faceNameOf(fontWithNames({{3, 3, 0x0804, 4, "\x82\xA0"}})));  // legacy encodings are not read
}

TEST(TrueTypeNamesTest, SurvivesCountsOffsetsAndLengthsOutsideTheFile) {
    auto font = fontWithNames({windowsName(4, u"First"), windowsName(4, u"Second")}, 0x00010000, 0xFFFF);
    EXPECT_EQ(faceNameOf(font), u"First") << "a count past the table reads the records that are there";

    auto outside = fontWithNames({windowsName(4, u"First"), windowsName(4, u"Second")});
    outside[28 + 6 + 10] = 0x7F;  // the first record's string offset, far past the end
    EXPECT_EQ(faceNameOf(outside), u"Second");

    auto longTable = fontWithNames({windowsName(4, u"Name")});
    longTable[24] = 0x7F;  // the name table's length in the directory
    EXPECT_FALSE(faceNameOf(longTable));

    for (size_t length = 0; length < font.size(); ++length) {
        std::vector<unsigned char> cut(font.begin(), font.begin() + length);
        auto name = faceNameOf(cut);
        EXPECT_TRUE(!name || *name == u"First") << "cut at " << length;
    }
}

TEST(TrueTypeNamesTest, ReadsTheMetricsOfTheDirectoryEntry) {
    std::vector<char> file = readAllBytes(fixturePath(L"FixtureMonoBoldItalic.ttf"));
    TrueTypeMetrics metrics = readTrueTypeMetrics(
        std::span(reinterpret_cast<const unsigned char*>(file.data()), file.size()));
    EXPECT_EQ(metrics.unitsPerEm, 1000);
    EXPECT_EQ(metrics.ascent, 800);
    EXPECT_EQ(metrics.descent, 200);
    EXPECT_EQ(metrics.weight, 700);
    EXPECT_TRUE(metrics.italic);
    EXPECT_TRUE(metrics.fixedPitch);
}

TEST(FontResourceBuilderTest, RecordsTheFullNameOfEveryFixture) {
    TempFolder temp;
    for (const FixtureName& fixture : ValidFixtures) {
        std::wstring resource = temp / (std::wstring(fixture.file) + L".fot");
        ASSERT_NE(build(1, resource, fixturePath(fixture.file)), 0) << fixture.file;
        EXPECT_EQ(recordedFaceName(resource), fixture.faceName);
    }
}

TEST(FontResourceBuilderTest, BuildsNothingForFilesThatAreNotTrueType) {
    TempFolder temp;
    std::wstring resource = temp / L"broken.fot";
    for (const wchar_t* file : BrokenFixtures) {
        EXPECT_EQ(build(1, resource, fixturePath(file)), 0) << file;
        EXPECT_FALSE(fileExists(resource)) << file;
    }
    EXPECT_EQ(createScalableFontResource(1, resource.c_str(), nullptr, nullptr), 0);
    EXPECT_FALSE(fileExists(resource));
}

TEST(FontResourceBuilderTest, LeavesAnExistingResourceFileAlone) {
    TempFolder temp;
    std::wstring resource = temp / L"exists.fot";
    const std::vector<char> before = {'o', 'l', 'd', '\0', 'F', 'O', 'N', 'T'};
    writeAllBytes(resource, before);
    EXPECT_EQ(build(1, resource, fixturePath(L"FixtureSans.ttf")), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(readAllBytes(resource), before);
}

TEST(FontResourceBuilderTest, FailsWithoutLeavingAFileWhereItCannotWrite) {
    TempFolder temp;
    std::wstring resource = temp / L"missing folder\\x.fot";
    EXPECT_EQ(build(1, resource, fixturePath(L"FixtureSans.ttf")), 0);
    EXPECT_FALSE(fileExists(resource));
}

TEST(FontResourceBuilderTest, WritesTheLayoutThePlatformReads) {
    TempFolder temp;
    const std::wstring font = fixturePath(L"FixtureSansBold.ttf");
    for (DWORD hidden : {0ul, 1ul}) {
        std::wstring resource = temp / (L"layout" + std::to_wstring(hidden) + L".fot");
        ASSERT_NE(build(hidden, resource, font), 0);
        std::vector<char> fot = readAllBytes(resource);
        ASSERT_GT(fot.size(), 0x100u);
        EXPECT_EQ(std::string(fot.data(), 2), "MZ");
        EXPECT_EQ(neHeader(fot), 0x80u);
        EXPECT_EQ(cString(std::string(fot.begin(), fot.end()), 0x40), "This is a TrueType resource file");
        EXPECT_EQ(std::string(fot.data() + 0x80, 2), "NE");
        EXPECT_EQ(le16(fot, 0x80 + 0x0C) & 0x8000, 0x8000) << "a library";

        EXPECT_EQ(cString(resourceData(fot, 0x80CC)), ansiPath(font));
        std::string directory = resourceData(fot, 0x8007);
        ASSERT_GE(directory.size(), 149u);
        EXPECT_EQ((static_cast<unsigned char>(directory[70]) & 0x80) != 0, hidden == 1);
        EXPECT_EQ(le16(std::vector<char>(directory.begin(), directory.end()), 87), 700) << "weight";
        EXPECT_EQ(cString(directory, 117), "Fixture Sans") << "the directory's face is the family";

        size_t resident = 0x80 + le16(fot, 0x80 + 0x26);
        EXPECT_EQ(std::string(fot.data() + resident + 1, static_cast<unsigned char>(fot[resident])),
                  "FixtureSansBold");
        size_t nonResident = le32(fot, 0x80 + 0x2C);
        const std::string entry = "FONTRES:Fixture Sans Bold";
        EXPECT_EQ(static_cast<unsigned char>(fot[nonResident]), entry.size());
        EXPECT_EQ(std::string(fot.data() + nonResident + 1, entry.size()), entry);
        EXPECT_EQ(fot[nonResident + 1 + entry.size()], '\0');
    }
}

TEST(FontResourceBuilderTest, FindsTheFontInTheCurrentPath) {
    TempFolder temp;
    const std::wstring font = fixturePath(L"FixtureSerifItalic.ttf");
    std::wstring folder = font.substr(0, font.rfind(L'\\'));
    std::wstring resource = temp / L"relative.fot";
    ASSERT_NE(createScalableFontResource(0, resource.c_str(), L"FixtureSerifItalic.ttf", folder.c_str()), 0);
    EXPECT_EQ(recordedFaceName(resource), L"Fixture Serif Italic");
    EXPECT_EQ(cString(resourceData(readAllBytes(resource), 0x80CC)), "FixtureSerifItalic.ttf");
}

TEST(FontResourceBuilderTest, WrittenFileIsAcceptedByThePlatform) {
    TempFolder temp;
    for (DWORD hidden : {1ul, 0ul}) {
        std::wstring resource = temp / (L"accepted" + std::to_wstring(hidden) + L".fot");
        ASSERT_NE(build(hidden, resource, fixturePath(L"FixtureSans.ttf")), 0);
        EXPECT_GT(AddFontResourceA(ansiPath(resource).c_str()), 0) << "hidden " << hidden;
        EXPECT_TRUE(RemoveFontResourceA(ansiPath(resource).c_str())) << "hidden " << hidden;
    }
}

TEST(FontResourceBuilderTest, RequiresAFontItCanBuildFor) {
    TempFolder temp;
    auto cff = fontWithNames({windowsName(4, u"Name")}, 0x4F54544F);  // 'OTTO', CFF outlines
    writeAllBytes(temp / L"Cff.ttf", std::vector<char>(cff.begin(), cff.end()));
    const std::pair<std::wstring, int> cases[] = {
        {fixturePath(L"FixtureSans.ttf"), 0},
        {fixturePath(L"NotAFont.ttf"), err::InvalidFileFormat},
        {fixturePath(L"Empty.ttf"), err::InvalidFileFormat},
        {fixturePath(L"Truncated.ttf"), err::InvalidFileFormat},
        {temp / L"Cff.ttf", err::InvalidFileFormat},
        {temp / L"None.ttf", err::FileNotFound},
    };
    for (const auto& [path, number] : cases)
        EXPECT_EQ(errorNumberOf([&] { requireSoundFont(path); }), number) << path.c_str();
}
