#include "fonts/FontResourceScan.h"

#include <cstdint>

namespace {
constexpr size_t MaxStart = INT16_MAX;
}  // namespace

FontResourceScanResult scanFontResourceName(std::string_view bytes) {
    size_t found = bytes.find(FontResourceMarker);
    size_t markerPosition = found == std::string_view::npos ? 0 : found + 1;
    size_t start = markerPosition + FontResourceMarker.size();
    if (start > MaxStart) return {FontResourceScanStatus::StartOverflow, {}};
    size_t end = bytes.find('\0', start - 1);  // npos also when start lies past the end
    if (end == std::string_view::npos) return {FontResourceScanStatus::NoTerminator, {}};
    return {FontResourceScanStatus::Found, bytes.substr(start - 1, end - (start - 1))};
}
