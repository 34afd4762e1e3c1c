#pragma once
// Damaged copies of a font's bytes: a table record of the directory pointed
// elsewhere, as a broken download or a hostile file has it.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

struct TableChange {
    std::string_view tag;
    std::optional<uint32_t> offset = std::nullopt;
    std::optional<uint32_t> length = std::nullopt;
    std::optional<std::string_view> newTag = std::nullopt;
};

// The font with one directory record changed; the tables stay where they are.
std::vector<char> withTableChange(std::vector<char> font, const TableChange& change);
