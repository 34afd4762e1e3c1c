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
}  // namespace

std::vector<char> withTableChange(std::vector<char> font, const TableChange& change) {
    const size_t tables = be(font, 4, 2);
    for (size_t record = 12; record < 12 + 16 * tables; record += 16) {
        if (std::string_view(&font.at(record), 4) != change.tag) continue;
        if (change.offset) putBe32(font, record + 8, *change.offset);
        if (change.length) putBe32(font, record + 12, *change.length);
        if (change.newTag) std::copy(change.newTag->begin(), change.newTag->end(), font.begin() + record);
        return font;
    }
    throw std::runtime_error("no table " + std::string(change.tag));
}
