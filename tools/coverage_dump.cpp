// Prints, for each font file named on standard input (one path a line),
// what the font details reader says of its coverage of the game's
// characters, one line a file in the same order: "missing" and the codes
// it lacks, "symbol", "none" (no Windows subtable it reads), "nocmap",
// "unreadable" (the 'cmap' table or its subtable), or "notfont". Built natively by
// tools/check_coverage.py from the program's own sources.

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "fonts/FontDetails.h"

namespace {
std::string coverageLine(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const unsigned long long size = file ? static_cast<unsigned long long>(file.tellg()) : 0;
    auto details = readFontDetails([&](unsigned long long offset, size_t length) {
        std::optional<std::vector<unsigned char>> bytes;
        if (offset > size || length > size - offset) return bytes;
        bytes.emplace(length);
        file.seekg(static_cast<std::streamoff>(offset));
        if (!file.read(reinterpret_cast<char*>(bytes->data()), static_cast<std::streamsize>(length))) bytes.reset();
        return bytes;
    });
    if (!details) return "notfont";
    if (details->cmapTable == TableState::Missing) return "nocmap";
    if (!details->coverage) return "unreadable";
    if (details->coverage->kind == CoverageKind::Symbol) return "symbol";
    if (details->coverage->kind == CoverageKind::NoWindowsSubtable) return "none";
    std::string line = "missing";
    for (const GameCharacter& c : details->coverage->missing) line += " " + std::to_string(c.code);
    return line;
}
}  // namespace

int main() {
    for (std::string path; std::getline(std::cin, path);) std::cout << coverageLine(path) << '\n';
}
