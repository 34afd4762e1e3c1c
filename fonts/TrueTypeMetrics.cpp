#include "fonts/TrueTypeMetrics.h"

#include <cstdlib>

namespace {
constexpr uint16_t MacStyleBold = 0x01;
constexpr uint16_t MacStyleItalic = 0x02;
constexpr uint16_t SelectionItalic = 0x01;

// A signed 16-bit field taken as a distance from the baseline.
uint16_t magnitude(uint16_t field) {
    return static_cast<uint16_t>(std::abs(static_cast<int16_t>(field)));
}

void readHead(const std::optional<ByteView>& head, TrueTypeMetrics& metrics) {
    if (!head) return;
    if (auto units = head->u16(18); units && *units != 0) metrics.unitsPerEm = *units;
    if (auto style = head->u16(44)) {
        metrics.italic = (*style & MacStyleItalic) != 0;
        if (*style & MacStyleBold) metrics.weight = 700;
    }
}

void readHorizontalHeader(const std::optional<ByteView>& hhea, TrueTypeMetrics& metrics) {
    if (!hhea) return;
    if (auto ascent = hhea->u16(4)) metrics.ascent = magnitude(*ascent);
    if (auto descent = hhea->u16(6)) metrics.descent = magnitude(*descent);
    if (auto gap = hhea->u16(8)) metrics.lineGap = magnitude(*gap);
    if (auto widest = hhea->u16(10)) metrics.maximumWidth = *widest;
}

// The OS/2 table, where present, is what Windows itself goes by.
void readWindowsMetrics(const std::optional<ByteView>& os2, TrueTypeMetrics& metrics) {
    if (!os2) return;
    if (auto average = os2->u16(2)) metrics.averageWidth = magnitude(*average);
    if (auto weight = os2->u16(4); weight && *weight != 0) metrics.weight = *weight;
    if (auto selection = os2->u16(62)) metrics.italic = (*selection & SelectionItalic) != 0;
    if (auto first = os2->u16(64)) metrics.firstChar = *first;
    if (auto last = os2->u16(66)) metrics.lastChar = *last;
    auto winAscent = os2->u16(74);
    auto winDescent = os2->u16(76);
    if (winAscent && winDescent) {
        metrics.ascent = *winAscent;
        metrics.descent = *winDescent;
    }
}

void readPostScriptInfo(const std::optional<ByteView>& post, TrueTypeMetrics& metrics) {
    if (!post) return;
    if (auto fixed = post->u32(12)) metrics.fixedPitch = *fixed != 0;
}
}  // namespace

TrueTypeMetrics readTrueTypeMetrics(const FontTables& tables) {
    TrueTypeMetrics metrics;
    readHead(tables.head, metrics);
    readHorizontalHeader(tables.hhea, metrics);
    readWindowsMetrics(tables.os2, metrics);
    readPostScriptInfo(tables.post, metrics);
    return metrics;
}

TrueTypeMetrics readTrueTypeMetrics(std::span<const unsigned char> font) {
    return readTrueTypeMetrics(findFontTables(ByteView(font)).value_or(FontTables{}));
}
