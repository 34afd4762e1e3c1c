#pragma once
// A font's bytes under another family name. A private load of a file whose
// family is present already (installed, or loaded from another file) is
// refused or, worse, replaces the present face for the whole process; a
// copy under a family of its own is drawn from its own glyphs, always.
// Standard library only.

#include <optional>
#include <span>
#include <string>
#include <vector>

// The font with a new 'name' table appended and its directory record
// pointed at it: family (name ID 1), style (2), full name (4) and
// PostScript name (6) as Windows records. Everything else stays as it was.
// Nothing when the bytes have no TrueType table directory with a 'name'
// record.
std::optional<std::vector<unsigned char>> renameFont(std::span<const unsigned char> font,
                                                     const std::u16string& family, const std::u16string& style);
