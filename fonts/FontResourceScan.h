#pragma once
// Finds the face name in the bytes of a font resource file: the text after
// the first "FONTRES:" up to the next zero byte. Positions are 1-based and
// the start of the name is held in 16 bits, as the face name reader has
// always done, so a marker too far into the file is an overflow.
// Standard library only; the bytes are text of a single-byte code page.

#include <string_view>

// What precedes the face name in a font resource file.
inline constexpr std::string_view FontResourceMarker = "FONTRES:";

enum class FontResourceScanStatus {
    Found,
    StartOverflow,  // the name would start past position 32767
    NoTerminator,   // no zero byte at or after the start of the name
};

struct FontResourceScanResult {
    FontResourceScanStatus status;
    std::string_view name;  // into the scanned bytes; empty unless Found
};

// Without the marker the name is taken from position 8, as if the marker
// had been at position 0.
FontResourceScanResult scanFontResourceName(std::string_view bytes);
