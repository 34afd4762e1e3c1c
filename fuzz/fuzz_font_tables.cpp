// Any bytes as a font file read the way the resource builder reads one
// from disk, a piece at a time: it must never fault, and it must find
// exactly the tables that reading the whole file in memory finds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "fonts/FontFileTables.h"
#include "fonts/TrueTypeTables.h"

namespace {
void expectSame(const std::optional<ByteView>& pieces, const std::optional<ByteView>& whole) {
    if (pieces.has_value() != whole.has_value()) std::abort();
    if (!pieces) return;
    auto a = pieces->bytes(), b = whole->bytes();
    if (a.size() != b.size() || !std::equal(a.begin(), a.end(), b.begin())) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto readAt = [&](unsigned long long offset, size_t length) -> std::optional<std::vector<unsigned char>> {
        if (offset > size || length > size - offset) return std::nullopt;
        return std::vector<unsigned char>(data + offset, data + offset + length);
    };
    auto loaded = FontFileTables::read(readAt);
    FontTables whole = findFontTables(ByteView(std::span<const unsigned char>(data, size)));
    if (!loaded) {
        if (whole.name || whole.head || whole.hhea || whole.os2 || whole.post) std::abort();
        return 0;
    }
    FontTables pieces = loaded->tables();
    expectSame(pieces.name, whole.name);
    expectSame(pieces.head, whole.head);
    expectSame(pieces.hhea, whole.hhea);
    expectSame(pieces.os2, whole.os2);
    expectSame(pieces.post, whole.post);
    return 0;
}
