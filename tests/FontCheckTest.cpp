// The structural check of a font file, read whole in memory and piece by
// piece from disk, on damaged copies of a fixture font.

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "fonts/FontCheck.h"
#include "fonts/FontFileTables.h"
#include "fonts/TrueTypeTables.h"
#include "tests/support/FontBytes.h"
#include "tests/support/TestFiles.h"

namespace {
std::span<const unsigned char> bytesOf(const std::vector<char>& font) {
    return {reinterpret_cast<const unsigned char*>(font.data()), font.size()};
}

// The font as a file is read from disk, a piece at a time.
std::optional<FontFileTables> readInPieces(const std::vector<char>& font) {
    return FontFileTables::read(readerOver(bytesOf(font)), font.size());
}

struct Case {
    TableChange change;
    FontFault fault;
    const char* tag;
    std::optional<TableChange> second = std::nullopt;
};

const Case Cases[] = {
    {{"cmap"}, FontFault::None, ""},
    {{"name", 0xFFFFFFF0, 0x20}, FontFault::TableOutsideFile, "name"},
    {{"glyf", std::nullopt, 8192}, FontFault::TableOutsideFile, "glyf"},
    {{"head", std::nullopt, std::nullopt, "hexd"}, FontFault::TableMissing, "head"},
    {{"cmap", std::nullopt, std::nullopt, "cmaq"}, FontFault::TableMissing, "cmap"},
    {{"hhea", std::nullopt, 35}, FontFault::TableTooShort, "hhea"},
    {{"post", std::nullopt, 31}, FontFault::TableTooShort, "post"},
    {{"OS/2", std::nullopt, 77}, FontFault::TableTooShort, "OS/2"},
    {{"loca", std::nullopt, 106}, FontFault::GlyphIndexTooShort, "loca"},
    {{"loca", std::nullopt, 108}, FontFault::None, ""},  // one entry short, as old fonts have it
    {{"glyf", std::nullopt, std::nullopt, "glyx"}, FontFault::TableMissing, "glyf"},
    {{"glyf", std::nullopt, 1000}, FontFault::GlyphDataTooShort, "glyf"},
    // Bitmap strikes instead of outlines, as colour emoji fonts have them.
    {{"glyf", std::nullopt, std::nullopt, "EBDT"}, FontFault::None, "", TableChange{"loca", std::nullopt, std::nullopt, "EBLC"}},
};
}  // namespace

TEST(FontCheckTest, FindsEachFaultInMemoryAndReadInPieces) {
    std::vector<char> sound = readAllBytes(fixturePath(L"FixtureSans.ttf"));
    // Beyond the four kilobytes read at once, so that a record pointing
    // before the buffer through a 32-bit wrap would be taken from it.
    sound.resize(8192);
    for (const Case& c : Cases) {
        std::vector<char> font = withTableChange(sound, c.change);
        if (c.second) font = withTableChange(font, *c.second);
        auto whole = findFontTables(ByteView(bytesOf(font)));
        auto pieces = readInPieces(font);
        ASSERT_TRUE(whole && pieces) << c.tag;
        const FontTables* readings[] = {&*whole, &pieces->tables()};
        for (const FontTables* tables : readings) {
            FontVerdict verdict = checkFontStructure(*tables);
            EXPECT_EQ(verdict.fault, c.fault) << c.change.tag;
            EXPECT_EQ(verdict.tag, c.fault == FontFault::None ? 0 : tableTag(c.tag)) << c.change.tag;
        }
    }
}

TEST(FontCheckTest, ATableRecordThatWouldWrapReadsNothingOutsideTheFile) {
    std::vector<char> font = readAllBytes(fixturePath(L"FixtureSans.ttf"));
    font.resize(8192);
    auto pieces = readInPieces(withTableChange(font, {"name", 0xFFFFFFF0, 0x20}));
    ASSERT_TRUE(pieces);
    EXPECT_FALSE(pieces->tables().name);
    EXPECT_TRUE(pieces->tables().head);
}
