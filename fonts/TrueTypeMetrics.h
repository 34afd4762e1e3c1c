#pragma once
// The few metrics of a TrueType font that a font resource file's directory
// entry describes, in font units. Standard library only; a missing or short
// table leaves the defaults below.

#include <cstdint>
#include <span>

#include "fonts/TrueTypeTables.h"

struct TrueTypeMetrics {
    uint16_t unitsPerEm = 2048;
    uint16_t ascent = 0;          // above the baseline
    uint16_t descent = 0;         // below the baseline, positive
    uint16_t lineGap = 0;
    uint16_t averageWidth = 0;
    uint16_t maximumWidth = 0;
    uint16_t weight = 400;
    bool italic = false;
    bool fixedPitch = false;
    uint16_t firstChar = 0x20;
    uint16_t lastChar = 0xFF;
};

TrueTypeMetrics readTrueTypeMetrics(const FontTables& tables);

// From the bytes of a whole font file.
TrueTypeMetrics readTrueTypeMetrics(std::span<const unsigned char> font);
