#pragma once
// Damaged copies of a font's bytes: a table record of the directory pointed
// elsewhere, as a broken download or a hostile file has it; and font bytes
// in memory read as the table readers read a file.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "fonts/FontFileTables.h"

struct TableChange {
    std::string_view tag;
    std::optional<uint32_t> offset = std::nullopt;
    std::optional<uint32_t> length = std::nullopt;
    std::optional<std::string_view> newTag = std::nullopt;
};

// The font with one directory record changed; the tables stay where they are.
std::vector<char> withTableChange(std::vector<char> font, const TableChange& change);

// The bytes of a table, `length` of them from `at`.
std::vector<char> tableBytes(const std::vector<char>& font, std::string_view tag, size_t at, size_t length);

// Another file of the same font: its modification date in 'head' changed,
// which no reader of names, metrics or glyphs looks at.
std::vector<char> anotherFileOf(std::vector<char> font);

// Reads exactly `length` bytes from `offset`, or nothing when they are not
// all there. The bytes must outlive the reader.
FontFileTables::ReadAt readerOver(std::span<const unsigned char> bytes);
