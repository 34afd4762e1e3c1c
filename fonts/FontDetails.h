#pragma once
// What a font file says of itself, for a player choosing a font: its
// names, its embedding permission, its outlines and glyph count, and which
// of the game's characters it lacks. Read a piece at a time, only the
// tables shown and of 'cmap' only the one subtable used, so that a font of
// tens of megabytes costs a few small reads. Plain data: the words are the
// window's.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fonts/FontFileTables.h"
#include "fonts/GameCharacters.h"

// What became of a table that the details show.
enum class TableState {
    Read,
    Missing,     // the directory has no such table
    Unreadable,  // outside the file, shorter than its fixed part, or malformed
};

enum class Outlines {
    TrueType,  // a 'glyf' table
    Cff,       // PostScript outlines, 'CFF '
    Cff2,      // PostScript outlines, 'CFF2'
    Unknown,   // neither (bitmap-only fonts, or a damaged directory)
};

// OS/2 fsType bits 0-3. A font should set at most one of them; older fonts
// may set several, and then the least restrictive applies (Installable,
// then Editable, then PreviewAndPrint, then RestrictedLicence).
enum class EmbeddingUsage { Installable, RestrictedLicence, PreviewAndPrint, Editable };

struct Embedding {
    uint16_t os2Version = 0;
    uint16_t fsType = 0;  // as the file has it
    EmbeddingUsage usage = EmbeddingUsage::Installable;
    bool noSubsetting = false;  // bit 8
    bool bitmapOnly = false;    // bit 9
};

enum class CoverageKind {
    Unicode,            // a Windows Unicode subtable was read: see `missing`
    Symbol,             // only a Windows symbol subtable (3,0): no characters to check
    NoWindowsSubtable,  // no Windows Unicode subtable of format 4 or 12, and no symbol one
};

struct Coverage {
    CoverageKind kind = CoverageKind::NoWindowsSubtable;
    // The subtable read, for Unicode: encoding 10 or 1 of platform 3, format 12 or 4.
    uint16_t encoding = 0;
    uint16_t format = 0;
    // The game's characters the subtable does not map (to a glyph other than
    // 0 and below the glyph count, when it is known), in code order.
    std::vector<GameCharacter> missing;
};

constexpr size_t DetailNameCount = 18;  // name IDs 0 (copyright) to 17 (typographic style)

struct FontDetails {
    // A font collection ('ttcf'): the number of fonts in it; the rest
    // describes its first font.
    std::optional<uint32_t> collectionFonts;
    Outlines outlines = Outlines::Unknown;

    TableState nameTable = TableState::Missing;
    std::array<std::optional<std::u16string>, DetailNameCount> names;  // by name ID

    TableState os2Table = TableState::Missing;
    std::optional<Embedding> embedding;

    TableState maxpTable = TableState::Missing;
    std::optional<uint16_t> glyphCount;

    TableState cmapTable = TableState::Missing;
    std::optional<Coverage> coverage;  // when cmapTable is Read
};

// Nothing when the bytes are not a font: no sfnt header (TrueType 1.0,
// 'true' or 'OTTO', or a collection of them) with a table directory inside
// the file.
std::optional<FontDetails> readFontDetails(const FontFileTables::ReadAt& readAt);

// The same from a file on disk; nothing also when it cannot be opened.
std::optional<FontDetails> loadFontDetails(const std::wstring& path);

// fsType decoded; exposed for its tests.
Embedding decodeEmbedding(uint16_t os2Version, uint16_t fsType);
