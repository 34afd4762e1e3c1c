#include "tests/support/FontBytes.h"

#include <stdexcept>
#include <string>

namespace {
uint32_t be(const std::vector<char>& b, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(b.at(at + i));
    return value;
}

void putBe32(std::vector<char>& b, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<char>(value >> (24 - 8 * i));
}

// The position of a table's record in the directory.
size_t recordOf(const std::vector<char>& font, std::string_view tag) {
    const size_t tables = be(font, 4, 2);
    for (size_t record = 12; record < 12 + 16 * tables; record += 16)
        if (std::string_view(&font.at(record), 4) == tag) return record;
    throw std::runtime_error("no table " + std::string(tag));
}
}  // namespace

std::vector<char> withTableChange(std::vector<char> font, const TableChange& change) {
    size_t record = recordOf(font, change.tag);
    if (change.offset) putBe32(font, record + 8, *change.offset);
    if (change.length) putBe32(font, record + 12, *change.length);
    if (change.newTag) std::copy(change.newTag->begin(), change.newTag->end(), font.begin() + record);
    return font;
}

std::vector<char> tableBytes(const std::vector<char>& font, std::string_view tag, size_t at, size_t length) {
    auto begin = font.begin() + be(font, recordOf(font, tag) + 8, 4) + at;
    return std::vector<char>(begin, begin + length);
}

std::vector<char> anotherFileOf(std::vector<char> font) {
    const size_t modified = be(font, recordOf(font, "head") + 8, 4) + 28;
    font.at(modified + 7) ^= 0x5A;
    return font;
}

FontFileTables::ReadAt readerOver(std::span<const unsigned char> bytes) {
    return [bytes](unsigned long long offset, size_t length) -> std::optional<std::vector<unsigned char>> {
        if (offset > bytes.size() || length > bytes.size() - offset) return std::nullopt;
        auto begin = bytes.begin() + static_cast<ptrdiff_t>(offset);
        return std::vector<unsigned char>(begin, begin + static_cast<ptrdiff_t>(length));
    };
}
