// Any bytes as a font file read the way the program reads one from disk, a
// piece at a time: it must never fault, it must find exactly the parts that
// reading the whole file in memory finds, and the structural check must
// give both readings the same verdict.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "fonts/FontCheck.h"
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
    auto loaded = FontFileTables::read(readerOver(data, size), size);
    auto whole = findFontTables(ByteView(std::span<const unsigned char>(data, size)));
    if (loaded.has_value() != whole.has_value()) std::abort();
    if (!loaded) return 0;
    const FontTables& pieces = loaded->tables();
    if (pieces.directory.size() != whole->directory.size() || pieces.fileSize != whole->fileSize) std::abort();
    expectSame(pieces.name, whole->name);
    expectSame(pieces.head, whole->head);
    expectSame(pieces.hhea, whole->hhea);
    expectSame(pieces.os2, whole->os2);
    expectSame(pieces.maxp, whole->maxp);
    expectSame(pieces.post, whole->post);
    expectSame(pieces.locaEnd, whole->locaEnd);
    FontVerdict a = checkFontStructure(pieces), b = checkFontStructure(*whole);
    if (a.fault != b.fault || a.tag != b.tag) std::abort();
    return 0;
}
