#pragma once
// The table directory at the start of a TrueType file, and the few tables
// that the font services read. Standard library only, so that it builds
// natively for fuzzing as well as for Windows.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "fonts/ByteView.h"

struct TableRecord {
    uint32_t tag;
    uint32_t offset;  // from the start of the file
    uint32_t length;
};

// The tables read for a face name and a font directory entry; each one
// absent when the file has none or its record points outside the file.
struct FontTables {
    std::optional<ByteView> name, head, hhea, os2, post;
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

// The record with this tag, if the directory has one.
std::optional<TableRecord> findTableRecord(const std::vector<TableRecord>& directory, std::string_view tag);

// The tables of a whole font file held in memory.
FontTables findFontTables(ByteView font);
