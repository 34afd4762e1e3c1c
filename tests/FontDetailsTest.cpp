// The font details reader: what it reads of the fixture fonts (made with
// fontTools by tools/make_fixture_fonts.py), and that hostile offsets,
// lengths and counts neither read outside the file nor cost what the file
// does not hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fonts/FontDetails.h"
#include "tests/support/FontBytes.h"
#include "tests/support/TestFiles.h"

namespace {
using Bytes = std::vector<unsigned char>;

std::vector<unsigned> missingCodes(const FontDetails& details) {
    std::vector<unsigned> codes;
    if (details.coverage)
        for (const GameCharacter& c : details.coverage->missing) codes.push_back(c.code);
    return codes;
}

void put(Bytes& out, uint32_t value, int bytes) {
    while (bytes--) out.push_back(static_cast<unsigned char>(value >> 8 * bytes));
}

struct Table {
    const char* tag;
    Bytes bytes;
    uint32_t offset = 0;  // where the record says it is: 0 for where it is
    uint32_t length = 0;  // likewise, 0 for its length
};

// A font of the given tables, padded to at least `size` bytes.
Bytes sfnt(const std::vector<Table>& tables, size_t size = 0) {
    Bytes font;
    put(font, 0x00010000, 4);
    put(font, static_cast<uint32_t>(tables.size()), 2);
    put(font, 0, 6);
    uint32_t at = static_cast<uint32_t>(12 + 16 * tables.size());
    for (const Table& t : tables) {
        font.insert(font.end(), t.tag, t.tag + 4);
        put(font, 0, 4);
        put(font, t.offset ? t.offset : at, 4);
        put(font, t.length ? t.length : static_cast<uint32_t>(t.bytes.size()), 4);
        at += static_cast<uint32_t>(t.bytes.size());
    }
    for (const Table& t : tables) font.insert(font.end(), t.bytes.begin(), t.bytes.end());
    font.resize(std::max(font.size(), size));
    return font;
}

Bytes maxp(uint16_t glyphs) {
    Bytes table;
    put(table, 0x00005000, 4);
    put(table, glyphs, 2);
    return table;
}

// A 'cmap' whose one subtable, (3,10) format 12, has a group A-Z from glyph 1.
Bytes cmapFormat12(uint32_t length, uint32_t groups) {
    Bytes table;
    for (uint32_t value : {0u, 1u, 3u, 10u}) put(table, value, 2);
    put(table, 12, 4);
    put(table, 12, 2);
    put(table, 0, 2);
    for (uint32_t value : {length, 0u, groups, 0x41u, 0x5Au, 1u}) put(table, value, 4);
    return table;
}

std::optional<FontDetails> detailsOf(const Bytes& font) { return readFontDetails(readerOver(font)); }
}  // namespace

TEST(FontDetailsTest, DescribesEachFixture) {
    struct Case {
        const wchar_t* file;
        Outlines outlines;
        std::optional<uint32_t> collectionFonts;
        uint16_t glyphCount;
        EmbeddingUsage usage;
        CoverageKind kind;
        uint16_t format;
        size_t missing;
    };
    using enum Outlines;
    using enum EmbeddingUsage;
    using enum CoverageKind;
    const Case cases[] = {
        {L"FixtureSans.ttf", TrueType, {}, 54, PreviewAndPrint, Unicode, 4, 165},
        {L"DetailsLatin.ttf", TrueType, {}, 62, PreviewAndPrint, Unicode, 4, 157},
        {L"DetailsWide.ttf", TrueType, {}, 220, RestrictedLicence, Unicode, 12, 0},
        {L"DetailsSymbol.ttf", TrueType, {}, 96, Installable, Symbol, 0, 0},
        {L"DetailsMacCmap.ttf", TrueType, {}, 54, PreviewAndPrint, NoWindowsSubtable, 0, 0},
        {L"DetailsCff.ttf", Cff, {}, 54, Editable, Unicode, 4, 165},
        {L"DetailsCollection.ttf", TrueType, 2, 62, PreviewAndPrint, Unicode, 4, 157},
    };
    for (const Case& c : cases) {
        auto details = loadFontDetails(fixturePath(c.file));
        ASSERT_TRUE(details) << c.file;
        EXPECT_EQ(details->outlines, c.outlines) << c.file;
        EXPECT_EQ(details->collectionFonts, c.collectionFonts) << c.file;
        EXPECT_EQ(details->glyphCount, c.glyphCount) << c.file;
        ASSERT_TRUE(details->embedding && details->coverage) << c.file;
        EXPECT_EQ(details->embedding->usage, c.usage) << c.file;
        EXPECT_EQ(details->coverage->kind, c.kind) << c.file;
        EXPECT_EQ(details->coverage->format, c.format) << c.file;
        EXPECT_EQ(details->coverage->missing.size(), c.missing) << c.file;
    }
    for (const wchar_t* file : {L"NotAFont.ttf", L"Empty.ttf", L"NoSuchFont.ttf"})
        EXPECT_FALSE(loadFontDetails(fixturePath(file))) << file;
}

TEST(FontDetailsTest, ReadsEveryNameAndExactlyTheCharactersTheMapLacks) {
    auto details = loadFontDetails(fixturePath(L"DetailsLatin.ttf"));
    ASSERT_TRUE(details);
    EXPECT_EQ(details->names[0], u"Copyright 2000 Kernwell Fixtures");
    EXPECT_EQ(details->names[5], u"Version 1.500");
    EXPECT_EQ(details->names[14], u"https://licence.example/");
    EXPECT_EQ(details->names[17], u"Latin");
    EXPECT_FALSE(details->names[15]);
    EXPECT_EQ(std::count_if(details->names.begin(), details->names.end(), [](auto& n) { return n.has_value(); }),
              17);
    EXPECT_TRUE(details->embedding->noSubsetting && details->embedding->bitmapOnly);

    // Mapped: A-Z, a-z, and in code page 1252 è é ê (through the glyph
    // index array), ü ñ € „ Ÿ.
    const std::string_view accents = "\xE8\xE9\xEA\xFC\xF1\x80\x84\x9F";
    std::vector<unsigned> expected;
    for (const GameCharacter& c : gameCharacters()) {
        bool letter = (c.code >= 'A' && c.code <= 'Z') || (c.code >= 'a' && c.code <= 'z');
        if (!letter && accents.find(static_cast<char>(c.code)) == std::string_view::npos)
            expected.push_back(c.code);
    }
    EXPECT_EQ(missingCodes(*details), expected);
}

TEST(FontDetailsTest, DecodesTheEmbeddingBitsLeastRestrictiveFirst) {
    const std::pair<uint16_t, EmbeddingUsage> cases[] = {
        {0x0000, EmbeddingUsage::Installable},       {0x0001, EmbeddingUsage::Installable},
        {0x0002, EmbeddingUsage::RestrictedLicence}, {0x0004, EmbeddingUsage::PreviewAndPrint},
        {0x0008, EmbeddingUsage::Editable},          {0x0006, EmbeddingUsage::PreviewAndPrint},
        {0x000E, EmbeddingUsage::Editable},          {0x0302, EmbeddingUsage::RestrictedLicence},
    };
    for (const auto& [fsType, usage] : cases) EXPECT_EQ(decodeEmbedding(2, fsType).usage, usage) << fsType;
    EXPECT_FALSE(decodeEmbedding(2, 0x0200).noSubsetting);
    EXPECT_TRUE(decodeEmbedding(2, 0x0200).bitmapOnly);
}

TEST(FontDetailsTest, NeverReadsOutsideTheFileNorWhatItDoesNotHold) {
    // A record at 0xFFFFFFF0: in 32 bits, offset + length wraps to 0x10.
    TempFolder temp;
    Bytes wrapping = sfnt({{"name", Bytes(0x20, 'n'), 0xFFFFFFF0, 0x20}, {"maxp", maxp(5)}}, 4096);
    writeAllBytes(temp / L"wrap.ttf", std::vector<char>(wrapping.begin(), wrapping.end()));
    auto details = loadFontDetails(temp / L"wrap.ttf");
    ASSERT_TRUE(details);
    EXPECT_EQ(details->nameTable, TableState::Unreadable);
    EXPECT_EQ(details->glyphCount, 5);
    EXPECT_EQ(details->cmapTable, TableState::Missing);

    // numGroups far past the subtable's length: the groups the length holds.
    details = detailsOf(sfnt({{"cmap", cmapFormat12(28, 0xFFFFFFFF)}, {"maxp", maxp(10)}}));
    ASSERT_TRUE(details && details->cmapTable == TableState::Read);
    auto missing = missingCodes(*details);
    EXPECT_TRUE(std::find(missing.begin(), missing.end(), 'I') == missing.end()) << "glyph 9 of 10";
    EXPECT_TRUE(std::find(missing.begin(), missing.end(), 'J') != missing.end()) << "glyph 10 of 10";

    // A length and a count of gigabytes in a small file: nothing to read.
    details = detailsOf(sfnt({{"cmap", cmapFormat12(0xFFFFFFF0, 0x15555554), 0, 0xFFFFFF00}}));
    ASSERT_TRUE(details);
    EXPECT_EQ(details->cmapTable, TableState::Unreadable);
}

TEST(FontDetailsTest, ACutFileGivesWhatItHoldsAndNamesTheRest) {
    for (const wchar_t* name : {L"DetailsLatin.ttf", L"DetailsCollection.ttf"}) {
        std::vector<char> file = readAllBytes(fixturePath(name));
        auto whole = detailsOf(Bytes(file.begin(), file.end()));
        ASSERT_TRUE(whole);
        for (size_t length = 0; length < file.size(); length += 5) {
            auto cut = detailsOf(Bytes(file.begin(), file.begin() + length));
            if (!cut) continue;
            if (cut->nameTable == TableState::Read) {
                EXPECT_EQ(cut->names, whole->names) << length;
            }
            if (cut->cmapTable == TableState::Read) {
                EXPECT_EQ(missingCodes(*cut), missingCodes(*whole)) << length;
            }
            EXPECT_TRUE(cut->nameTable == TableState::Read || !cut->names[1]) << length;
        }
        EXPECT_FALSE(detailsOf(Bytes(file.begin(), file.begin() + 20))) << "no directory";
    }
}
