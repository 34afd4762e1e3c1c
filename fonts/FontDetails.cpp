#include "fonts/FontDetails.h"

#include <algorithm>

#include "fonts/TrueTypeNames.h"
#include "fonts/TrueTypeTables.h"

namespace {
using Bytes = std::vector<unsigned char>;
using ReadAt = FontFileTables::ReadAt;

constexpr uint32_t VersionOne = 0x00010000;
constexpr uint32_t VersionTrue = 0x74727565;    // 'true', older Apple fonts
constexpr uint32_t VersionOtto = 0x4F54544F;    // 'OTTO', PostScript outlines
constexpr uint32_t CollectionTag = 0x74746366;  // 'ttcf'

// Nothing of a 'name' table lies further than its last possible record
// (a 16-bit count of 12-byte records after a 6-byte header); the strings,
// at 16-bit offsets from a 16-bit start, end sooner.
constexpr uint32_t NameBytesAddressable = 6 + 12 * 0xFFFF;
constexpr uint32_t Os2BytesUsed = 10;  // version up to fsType
constexpr uint32_t MaxpBytesUsed = 6;  // version and numGlyphs

constexpr uint16_t WindowsPlatform = 3;
constexpr uint16_t SymbolEncoding = 0;
constexpr uint16_t UnicodeBmpEncoding = 1;
constexpr uint16_t UnicodeFullEncoding = 10;
constexpr size_t EncodingRecordSize = 8;
constexpr size_t Format4HeaderSize = 14;
constexpr size_t Format12HeaderSize = 16;
constexpr size_t Format12GroupSize = 12;

// `length` bytes at `offset` inside a table, or nothing when they are not
// all inside the table as its record gives it, or not in the file. Every
// read of a table goes through here; the sums are done in 64 bits.
std::optional<Bytes> readTablePart(const ReadAt& readAt, const TableRecord& table, uint32_t offset, size_t length) {
    if (offset > table.length || length > table.length - offset) return std::nullopt;
    return readAt(static_cast<unsigned long long>(table.offset) + offset, length);
}

bool isSfntVersion(uint32_t version) {
    return version == VersionOne || version == VersionTrue || version == VersionOtto;
}

std::optional<std::vector<TableRecord>> readDirectoryAt(const ReadAt& readAt, unsigned long long start) {
    auto header = readAt(start, TableDirectoryHeaderSize);
    if (!header || !isSfntVersion(*ByteView(*header).u32(0))) return std::nullopt;
    auto records = readAt(start + TableDirectoryHeaderSize, size_t{*ByteView(*header).u16(4)} * TableRecordSize);
    if (!records) return std::nullopt;
    return readTableRecords(ByteView(*records));
}

// A collection's header gives the number of its fonts and where the first
// one's directory starts; a single font's directory starts the file.
std::optional<std::vector<TableRecord>> readDirectory(const ReadAt& readAt, FontDetails& details) {
    auto header = readAt(0, TableDirectoryHeaderSize);
    if (!header || ByteView(*header).u32(0) != CollectionTag) return readDirectoryAt(readAt, 0);
    auto firstFont = readAt(TableDirectoryHeaderSize, 4);
    const uint32_t fonts = *ByteView(*header).u32(8);
    if (!firstFont || fonts == 0) return std::nullopt;
    details.collectionFonts = fonts;
    return readDirectoryAt(readAt, *ByteView(*firstFont).u32(0));
}

Outlines outlinesOf(const std::vector<TableRecord>& directory) {
    if (findTableRecord(directory, "glyf")) return Outlines::TrueType;
    if (findTableRecord(directory, "CFF2")) return Outlines::Cff2;
    if (findTableRecord(directory, "CFF ")) return Outlines::Cff;
    return Outlines::Unknown;
}

struct TableStart {
    TableState state = TableState::Missing;
    std::optional<Bytes> bytes;
};

// The first `most` bytes of a table, which must have at least `least`.
TableStart readTableStart(const ReadAt& readAt, const std::vector<TableRecord>& directory, std::string_view tag,
                          uint32_t least, uint32_t most) {
    auto record = findTableRecord(directory, tag);
    if (!record) return {};
    if (record->length < least) return {TableState::Unreadable, std::nullopt};
    auto bytes = readTablePart(readAt, *record, 0, std::min(record->length, most));
    return {bytes ? TableState::Read : TableState::Unreadable, std::move(bytes)};
}

// The game's characters by code point, each with the glyph it maps to once
// a range of the subtable holds it.
class GlyphMap {
public:
    GlyphMap() {
        for (const GameCharacter& character : gameCharacters()) entries_.push_back({character.codePoint, {}});
        std::sort(entries_.begin(), entries_.end(),
                  [](const Entry& a, const Entry& b) { return a.codePoint < b.codePoint; });
    }

    // Gives each game character in [first, last] that no earlier range held
    // its glyph. A subtable's ranges must be sorted and apart, so in a sound
    // font each character is in one range at most.
    template <typename GlyphOf>
    void mapRange(char32_t first, char32_t last, GlyphOf glyphOf) {
        auto entry = std::lower_bound(entries_.begin(), entries_.end(), first,
                                      [](const Entry& e, char32_t c) { return e.codePoint < c; });
        for (; entry != entries_.end() && entry->codePoint <= last; ++entry)
            if (!entry->glyph) entry->glyph = glyphOf(entry->codePoint);
    }

    std::optional<uint32_t> glyph(char32_t codePoint) const {
        for (const Entry& entry : entries_)
            if (entry.codePoint == codePoint) return entry.glyph;
        return std::nullopt;
    }

private:
    struct Entry {
        char32_t codePoint;
        std::optional<uint32_t> glyph;
    };
    std::vector<Entry> entries_;
};

// Format 4: segments of 16-bit codes, each mapped by adding idDelta
// (modulo 65536) to the code, or, with an idRangeOffset, to the entry of
// glyphIdArray it points at (0 stays 0). An entry outside the subtable
// maps to nothing.
bool mapFormat4(ByteView subtable, GlyphMap& glyphs) {
    auto segCountX2 = subtable.u16(6);
    if (!segCountX2) return false;
    const size_t segments = *segCountX2 / 2;
    const size_t ends = Format4HeaderSize, starts = ends + 2 * segments + 2;
    const size_t deltas = starts + 2 * segments, rangeOffsets = deltas + 2 * segments;
    if (!subtable.slice(0, rangeOffsets + 2 * segments)) return false;
    for (size_t i = 0; i < segments; ++i) {
        const uint16_t start = *subtable.u16(starts + 2 * i), delta = *subtable.u16(deltas + 2 * i);
        const uint16_t rangeOffset = *subtable.u16(rangeOffsets + 2 * i);
        glyphs.mapRange(start, *subtable.u16(ends + 2 * i), [&](char32_t c) -> uint32_t {
            if (rangeOffset == 0) return (c + delta) & 0xFFFF;
            auto glyph = subtable.u16(rangeOffsets + 2 * i + rangeOffset + 2 * (c - start));
            return !glyph || *glyph == 0 ? 0 : (*glyph + delta) & 0xFFFF;
        });
    }
    return true;
}

// Format 12: groups of 32-bit codes mapped to consecutive glyphs.
void mapFormat12(ByteView groups, GlyphMap& glyphs) {
    for (size_t at = 0; at + Format12GroupSize <= groups.size(); at += Format12GroupSize) {
        const uint32_t start = *groups.u32(at), startGlyph = *groups.u32(at + 8);
        glyphs.mapRange(start, *groups.u32(at + 4), [&](char32_t c) { return startGlyph + (c - start); });
    }
}

// The subtable at `offset` of the 'cmap' table mapped: format 4 read by its
// 16-bit length, format 12 by the groups its 32-bit length holds (never
// more than numGroups, never past the table).
std::optional<GlyphMap> readGlyphMap(const ReadAt& readAt, const TableRecord& cmap, uint32_t offset,
                                     uint16_t format) {
    GlyphMap glyphs;
    if (format == 4) {
        auto header = readTablePart(readAt, cmap, offset, 4);
        auto subtable = header ? readTablePart(readAt, cmap, offset, *ByteView(*header).u16(2)) : std::nullopt;
        if (!subtable || !mapFormat4(ByteView(*subtable), glyphs)) return std::nullopt;
        return glyphs;
    }
    auto header = readTablePart(readAt, cmap, offset, Format12HeaderSize);
    if (!header) return std::nullopt;
    const uint32_t length = *ByteView(*header).u32(4), declared = *ByteView(*header).u32(12);
    if (length < Format12HeaderSize) return std::nullopt;
    const size_t groups = std::min<uint32_t>(declared, (length - Format12HeaderSize) / Format12GroupSize);
    auto subtable = readTablePart(readAt, cmap, offset, Format12HeaderSize + groups * Format12GroupSize);
    if (!subtable) return std::nullopt;
    mapFormat12(*ByteView(*subtable).slice(Format12HeaderSize, groups * Format12GroupSize), glyphs);
    return glyphs;
}

struct EncodingRecord {
    uint16_t platform, encoding;
    uint32_t offset;  // from the start of the 'cmap' table
};

std::optional<std::vector<EncodingRecord>> readEncodingRecords(const ReadAt& readAt, const TableRecord& cmap) {
    auto header = readTablePart(readAt, cmap, 0, 4);
    auto bytes =
        header ? readTablePart(readAt, cmap, 4, *ByteView(*header).u16(2) * EncodingRecordSize) : std::nullopt;
    if (!bytes) return std::nullopt;
    ByteView view(*bytes);
    std::vector<EncodingRecord> records;
    for (size_t at = 0; at < view.size(); at += EncodingRecordSize)
        records.push_back({*view.u16(at), *view.u16(at + 2), *view.u32(at + 4)});
    return records;
}

Coverage coverageOf(const GlyphMap& glyphs, std::optional<uint16_t> glyphCount, uint16_t encoding,
                    uint16_t format) {
    Coverage coverage{CoverageKind::Unicode, encoding, format, {}};
    for (const GameCharacter& character : gameCharacters()) {
        auto glyph = glyphs.glyph(character.codePoint);
        bool mapped = glyph && *glyph != 0 && (!glyphCount || *glyph < *glyphCount);
        if (!mapped) coverage.missing.push_back(character);
    }
    return coverage;
}

// The Windows Unicode subtable used is the first of encoding 10 (full
// repertoire), then of encoding 1 (BMP), whose format is 12 or 4. The
// format says how the subtable is laid out whatever its encoding, so a
// format 12 under encoding 1 is read too, as font readers do. Nothing when
// the table or the chosen subtable cannot be read.
std::optional<Coverage> readCoverage(const ReadAt& readAt, const TableRecord& cmap,
                                     std::optional<uint16_t> glyphCount) {
    auto records = readEncodingRecords(readAt, cmap);
    if (!records) return std::nullopt;
    for (uint16_t encoding : {UnicodeFullEncoding, UnicodeBmpEncoding}) {
        for (const EncodingRecord& record : *records) {
            if (record.platform != WindowsPlatform || record.encoding != encoding) continue;
            auto formatBytes = readTablePart(readAt, cmap, record.offset, 2);
            if (!formatBytes) return std::nullopt;
            uint16_t format = *ByteView(*formatBytes).u16(0);
            if (format != 4 && format != 12) continue;
            auto glyphs = readGlyphMap(readAt, cmap, record.offset, format);
            if (!glyphs) return std::nullopt;
            return coverageOf(*glyphs, glyphCount, encoding, format);
        }
    }
    bool symbol = std::any_of(records->begin(), records->end(), [](const EncodingRecord& record) {
        return record.platform == WindowsPlatform && record.encoding == SymbolEncoding;
    });
    return Coverage{symbol ? CoverageKind::Symbol : CoverageKind::NoWindowsSubtable, 0, 0, {}};
}

void readNames(const ReadAt& readAt, const std::vector<TableRecord>& directory, FontDetails& details) {
    auto table = readTableStart(readAt, directory, "name", 6, NameBytesAddressable);
    details.nameTable = table.state;
    if (!table.bytes) return;
    for (uint16_t id = 0; id < DetailNameCount; ++id) details.names[id] = readNameById(ByteView(*table.bytes), id);
}

void readEmbedding(const ReadAt& readAt, const std::vector<TableRecord>& directory, FontDetails& details) {
    auto table = readTableStart(readAt, directory, "OS/2", Os2BytesUsed, Os2BytesUsed);
    details.os2Table = table.state;
    if (table.bytes)
        details.embedding = decodeEmbedding(*ByteView(*table.bytes).u16(0), *ByteView(*table.bytes).u16(8));
}

void readGlyphCount(const ReadAt& readAt, const std::vector<TableRecord>& directory, FontDetails& details) {
    auto table = readTableStart(readAt, directory, "maxp", MaxpBytesUsed, MaxpBytesUsed);
    details.maxpTable = table.state;
    if (table.bytes) details.glyphCount = *ByteView(*table.bytes).u16(4);
}

void readCmap(const ReadAt& readAt, const std::vector<TableRecord>& directory, FontDetails& details) {
    auto record = findTableRecord(directory, "cmap");
    if (!record) return;
    details.coverage = readCoverage(readAt, *record, details.glyphCount);
    details.cmapTable = details.coverage ? TableState::Read : TableState::Unreadable;
}
}  // namespace

Embedding decodeEmbedding(uint16_t os2Version, uint16_t fsType) {
    Embedding embedding{os2Version, fsType, EmbeddingUsage::Installable, (fsType & 0x0100) != 0,
                        (fsType & 0x0200) != 0};
    if (fsType & 0x0008)
        embedding.usage = EmbeddingUsage::Editable;
    else if (fsType & 0x0004)
        embedding.usage = EmbeddingUsage::PreviewAndPrint;
    else if (fsType & 0x0002)
        embedding.usage = EmbeddingUsage::RestrictedLicence;
    return embedding;
}

std::optional<FontDetails> readFontDetails(const ReadAt& readAt) {
    FontDetails details;
    auto directory = readDirectory(readAt, details);
    if (!directory) return std::nullopt;
    details.outlines = outlinesOf(*directory);
    readNames(readAt, *directory, details);
    readEmbedding(readAt, *directory, details);
    readGlyphCount(readAt, *directory, details);
    readCmap(readAt, *directory, details);
    return details;
}
