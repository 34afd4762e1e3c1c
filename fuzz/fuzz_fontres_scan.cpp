// Any bytes as a font resource file: the scan must never fault, and what
// it finds must obey its rules.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fonts/FontResourceScan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FontResourceScanResult scan = scanFontResourceName(bytes);
    if (scan.status != FontResourceScanStatus::Found) {
        if (!scan.name.empty()) std::abort();
        return 0;
    }
    // The name lies inside the bytes, holds no zero byte, is followed by
    // one, and starts no later than position 32767.
    size_t start = static_cast<size_t>(scan.name.data() - bytes.data());
    if (start + scan.name.size() >= size) std::abort();
    if (scan.name.find('\0') != std::string_view::npos || bytes[start + scan.name.size()] != '\0') std::abort();
    if (start + 1 > 32767) std::abort();
    // Right after the first marker, or at position 8 when there is none.
    size_t marker = bytes.find("FONTRES:");
    size_t expectedStart = marker == std::string_view::npos ? 7 : marker + 8;
    if (start != expectedStart) std::abort();
    return 0;
}
