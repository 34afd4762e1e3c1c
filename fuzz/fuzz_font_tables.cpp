// Any bytes as a font file read the way the resource builder reads one
// from disk, a piece at a time: it must never fault, and it must find
// exactly the tables that reading the whole file in memory finds.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "fonts/FontFileTables.h"
#include "fonts/TrueTypeTables.h"
#include "fuzz/FuzzInput.h"

namespace {
void expectSame(const std::optional<ByteView>& pieces, const std::optional<ByteView>& whole) {
    if (pieces.has_value() != whole.has_value()) std::abort();
    if (!pieces) return;
    auto a = pieces->bytes(), b = whole->bytes();
    if (a.size() != b.size() || !std::equal(a.begin(), a.end(), b.begin())) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto loaded = FontFileTables::read(readerOver(data, size));
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
    // Of 'post' the reader takes only the header up to isFixedPitch.
    ByteView file(std::span<const unsigned char>(data, size));
    auto directory = readTableDirectory(file);
    if (!directory) std::abort();
    auto post = findTableRecord(*directory, "post");
    expectSame(pieces.post, post ? file.slice(post->offset, std::min<uint32_t>(post->length, 16)) : std::nullopt);
    return 0;
}
