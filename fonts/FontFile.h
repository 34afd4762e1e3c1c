#pragma once
// A font file on disk, read in exact pieces: the readers take only the
// bytes they use, so a font of tens of megabytes costs a few small reads.

#include <optional>
#include <string>
#include <vector>

#include "runtime/Handle.h"

class FontFile {
public:
    // Opened for reading, sharing it with writers; a file that cannot be
    // opened reads nothing.
    explicit FontFile(const std::wstring& path);

    bool isOpen() const { return static_cast<bool>(file_); }
    unsigned long long size() const { return size_; }

    // Exactly `length` bytes from `offset`, or nothing.
    std::optional<std::vector<unsigned char>> read(unsigned long long offset, size_t length) const;

private:
    FileHandle file_;
    unsigned long long size_ = 0;
};
