#pragma once
// The fuzzer's input as the table reader reads a file: exactly `length`
// bytes from `offset`, or nothing when they are not all there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

inline auto readerOver(const uint8_t* data, size_t size) {
    return [data, size](unsigned long long offset, size_t length) -> std::optional<std::vector<unsigned char>> {
        if (offset > size || length > size - offset) return std::nullopt;
        return std::vector<unsigned char>(data + offset, data + offset + length);
    };
}
