#include "fonts/FontCheck.h"

#include <string_view>

namespace {
struct RequiredTable {
    std::string_view tag;
    uint32_t fixedPart;
};

// The tables a TrueType font needs, each at least as long as its fixed part.
constexpr RequiredTable RequiredTables[] = {
    {"head", 54}, {"hhea", 36}, {"maxp", 6}, {"name", 6}, {"cmap", 4}, {"post", 32}, {"loca", 0}, {"glyf", 0},
};
// Wine's renderer reads an OS/2 table up to its version 0 end whatever
// length the file gives it, and corrupts its heap on a shorter one.
constexpr uint32_t DrawableWindowsMetrics = 78;

FontVerdict fault(FontFault kind, std::string_view tag) { return {kind, tableTag(tag)}; }

FontVerdict checkDirectory(const FontTables& tables) {
    for (const TableRecord& record : tables.directory) {
        if (record.offset > tables.fileSize || record.length > tables.fileSize - record.offset)
            return {FontFault::TableOutsideFile, record.tag};
    }
    for (const RequiredTable& required : RequiredTables) {
        auto record = findTableRecord(tables.directory, required.tag);
        if (!record) return fault(FontFault::TableMissing, required.tag);
        if (record->length < required.fixedPart) return fault(FontFault::TableTooShort, required.tag);
    }
    return {};
}

// 'loca' holds an offset for every glyph and one past the last, of the size
// 'head' says; 'glyf' reaches as far as the last of them. The directory is
// sound, so 'head' and 'maxp' are long enough where they could be read.
FontVerdict checkGlyphs(const FontTables& tables) {
    if (!tables.head || !tables.maxp) return fault(FontFault::TableMissing, tables.head ? "maxp" : "head");
    auto glyphs = tables.maxp->u16(4);
    uint64_t entrySize = *tables.head->u16(50) == 0 ? 2 : 4;
    auto loca = findTableRecord(tables.directory, "loca");
    if (!tables.locaEnd || loca->length < (uint64_t{*glyphs} + 1) * entrySize)
        return fault(FontFault::GlyphIndexTooShort, "loca");
    uint64_t glyphsEnd = entrySize == 2 ? uint64_t{*tables.locaEnd->u16(0)} * 2 : *tables.locaEnd->u32(0);
    if (findTableRecord(tables.directory, "glyf")->length < glyphsEnd)
        return fault(FontFault::GlyphDataTooShort, "glyf");
    return {};
}
}  // namespace

FontVerdict checkFontStructure(const FontTables& tables) {
    if (auto directory = checkDirectory(tables); !directory) return directory;
    if (auto glyphs = checkGlyphs(tables); !glyphs) return glyphs;
    auto os2 = findTableRecord(tables.directory, "OS/2");
    if (os2 && os2->length < DrawableWindowsMetrics)
        return fault(FontFault::TableTooShort, "OS/2");
    return {};
}
