// Any bytes as a font file described for the details window, read a piece
// at a time as from disk: it must never fault, what it yields must agree
// with what became of each table, and it must read each part at most about
// once, however the counts and lengths lie.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "fonts/FontDetails.h"
#include "fuzz/FuzzInput.h"

namespace {
void expect(bool condition) {
    if (!condition) std::abort();
}

void checkCoverage(const Coverage& coverage) {
    if (coverage.kind != CoverageKind::Unicode) {
        expect(coverage.missing.empty() && coverage.format == 0);
        return;
    }
    expect((coverage.format == 4 || coverage.format == 12) && (coverage.encoding == 1 || coverage.encoding == 10));
    // Game characters, each once, in code order.
    auto characters = gameCharacters();
    size_t next = 0;
    for (const GameCharacter& missing : coverage.missing) {
        while (next < characters.size() && characters[next].code != missing.code) ++next;
        expect(next < characters.size() && characters[next].codePoint == missing.codePoint);
        ++next;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto reader = readerOver(data, size);
    unsigned long long bytesRead = 0;
    auto details = readFontDetails([&](unsigned long long offset, size_t length) {
        auto bytes = reader(offset, length);
        if (bytes) bytesRead += bytes->size();
        return bytes;
    });
    // The directory, 'name', the encoding records and one subtable are
    // each at most the whole input; the other reads are a few bytes each.
    expect(bytesRead <= 5ull * size + 64);
    if (!details) return 0;

    for (const auto& name : details->names) expect(details->nameTable == TableState::Read || !name);
    expect((details->os2Table == TableState::Read) == details->embedding.has_value());
    expect((details->maxpTable == TableState::Read) == details->glyphCount.has_value());
    expect((details->cmapTable == TableState::Read) == details->coverage.has_value());
    if (details->embedding) expect(decodeEmbedding(0, details->embedding->fsType).usage == details->embedding->usage);
    if (details->coverage) checkCoverage(*details->coverage);
    return 0;
}
