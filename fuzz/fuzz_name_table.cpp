// Any bytes as a TrueType file: reading its names and metrics must never
// fault, and a face name that is found must come back out of the font
// resource file laid out for it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "fonts/FontResourceLayout.h"
#include "fonts/FontResourceScan.h"
#include "fonts/TrueTypeMetrics.h"
#include "fonts/TrueTypeNames.h"

namespace {
// The low byte of each character stands in for the ANSI conversion, which
// only exists on Windows; it keeps every length and zero byte in play.
std::string narrow(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) bytes += static_cast<char>(c & 0xFF);
    return bytes;
}

void checkLaidOutName(const TrueTypeNames& names, const TrueTypeMetrics& metrics) {
    FontResourceContents contents;
    contents.hidden = true;
    contents.fontFile = "C:\\Fonts\\fuzz.ttf";
    contents.faceName = narrow(names.faceName);
    contents.familyName = narrow(names.familyName);
    contents.metrics = metrics;
    std::string expected = contents.faceName.substr(0, contents.faceName.find('\0'));
    expected.resize(std::min(expected.size(), MaxFontResourceFaceName));

    auto bytes = layOutFontResource(contents);
    FontResourceScanResult scan =
        scanFontResourceName(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (scan.status != FontResourceScanStatus::Found || scan.name != expected) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const unsigned char> font(data, size);
    TrueTypeMetrics metrics = readTrueTypeMetrics(font);
    auto names = readTrueTypeNames(font);
    if (!names) return 0;
    if (names->faceName.empty() || names->familyName.empty()) std::abort();
    checkLaidOutName(*names, metrics);
    return 0;
}
