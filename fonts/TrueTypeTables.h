#pragma once
// The table directory at the start of a TrueType file, and the parts of the
// tables that the font services read. Standard library only, so that it
// builds natively for fuzzing as well as for Windows.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "fonts/ByteView.h"

// The table directory: a header of 12 bytes, then a record of 16 for each
// table.
inline constexpr size_t TableDirectoryHeaderSize = 12;
inline constexpr size_t TableRecordSize = 16;

struct TableRecord {
    uint32_t tag;
    uint32_t offset;  // from the start of the file
    uint32_t length;
};

// What the font services read of a font file: its directory and size, and
// views of the tables they use, each absent when the file has none or its
// record points outside the file.
struct FontTables {
    std::vector<TableRecord> directory;
    uint64_t fileSize = 0;
    std::optional<ByteView> name, head, hhea, os2, maxp;
    // Of 'post' only its header up to isFixedPitch is used: the glyph names
    // after it run to hundreds of kilobytes in large fonts.
    std::optional<ByteView> post;
    // The last 'loca' entry, where the last glyph's outline ends in 'glyf'.
    std::optional<ByteView> locaEnd;
};

// A four-letter tag ("name", "OS/2") as the directory stores it.
uint32_t tableTag(std::string_view tag);

// True when the bytes start like a TrueType font: sfnt version 1.0 or
// 'true'. OpenType fonts with CFF outlines ('OTTO') and font collections
// ('ttcf') are not single TrueType fonts.
bool isTrueTypeFont(ByteView font);

// How many bytes the header and table directory take, judged from the
// first six bytes; nothing when they are not those of a TrueType font.
std::optional<size_t> tableDirectorySize(ByteView start);

// The directory's records, given at least tableDirectorySize() bytes.
std::optional<std::vector<TableRecord>> readTableDirectory(ByteView start);

// The table records that follow a directory's header, 16 bytes each.
std::vector<TableRecord> readTableRecords(ByteView records);

// The record with this tag, if the directory has one.
std::optional<TableRecord> findTableRecord(const std::vector<TableRecord>& directory, std::string_view tag);

// `length` bytes from `from` within a table, inside the file, or nothing.
using FetchTablePart = std::function<std::optional<ByteView>(const TableRecord& table, uint32_t from,
                                                             uint32_t length)>;

// The one list of the tables read and how much of each: every reader of a
// font file, in memory or piece by piece from disk, fills FontTables here.
FontTables collectFontTables(std::vector<TableRecord> directory, uint64_t fileSize, const FetchTablePart& fetch);

// The tables of a whole font file held in memory; nothing when it has no
// TrueType table directory.
std::optional<FontTables> findFontTables(ByteView font);
