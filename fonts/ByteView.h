#pragma once
// Reads over a byte range that never step outside it: a font file comes
// from anywhere, so every offset, length and count in it is suspect, and
// each read says whether the bytes were there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    size_t size() const { return bytes_.size(); }
    std::span<const unsigned char> bytes() const { return bytes_; }

    // The `length` bytes at `offset`, or nothing when they run past the end.
    // The one bound check of the font readers: it compares before it
    // subtracts, so no sum of an offset and a length from a file can wrap
    // (a 32-bit size_t would wrap at 0xFFFFFFF0 + 0x20).
    std::optional<ByteView> slice(uint64_t offset, uint64_t length) const {
        if (offset > bytes_.size() || length > bytes_.size() - offset) return std::nullopt;
        return ByteView(bytes_.subspan(static_cast<size_t>(offset), static_cast<size_t>(length)));
    }

    // Big-endian, as TrueType stores its numbers.
    std::optional<uint16_t> u16(uint64_t offset) const {
        auto field = slice(offset, 2);
        if (!field) return std::nullopt;
        return static_cast<uint16_t>(field->bytes_[0] << 8 | field->bytes_[1]);
    }

    std::optional<uint32_t> u32(uint64_t offset) const {
        auto field = slice(offset, 4);
        if (!field) return std::nullopt;
        const auto& b = field->bytes_;
        return static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 |
               static_cast<uint32_t>(b[2]) << 8 | b[3];
    }

private:
    std::span<const unsigned char> bytes_;
};
