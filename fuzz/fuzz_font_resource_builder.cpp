// Any bytes as the font file handed to the resource builder, through every
// step that works on bytes: the tables read a piece at a time, the font
// described, the resource file laid out and its face name scanned back.
// Nothing may fault; a font is described exactly when its names can be
// read from the whole file, and the name scanned back is the one recorded.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fonts/FontDescription.h"
#include "fonts/FontFileTables.h"
#include "fonts/FontResourceScan.h"
#include "fonts/TrueTypeNames.h"
#include "fuzz/FuzzInput.h"

namespace {
// The low byte of each character stands in for the ANSI conversion, which
// only exists on Windows; it keeps every length and zero byte in play.
std::string narrow(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) bytes += static_cast<char>(c & 0xFF);
    return bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto font = FontFileTables::read(readerOver(data, size), size);
    auto contents = font ? describeFont(font->tables(), size % 2 == 1, "C:\\Fonts\\fuzz.ttf", narrow) : std::nullopt;
    auto names = readTrueTypeNames(std::span<const unsigned char>(data, size));
    if (contents.has_value() != names.has_value()) std::abort();
    if (!contents) return 0;

    std::vector<unsigned char> resource = layOutFontResource(*contents);
    if (resource.empty()) std::abort();
    std::string expected = contents->faceName.substr(0, contents->faceName.find('\0'));
    expected.resize(std::min(expected.size(), MaxFontResourceFaceName));
    FontResourceScanResult scan =
        scanFontResourceName(std::string_view(reinterpret_cast<const char*>(resource.data()), resource.size()));
    if (scan.status != FontResourceScanStatus::Found || scan.name != expected) std::abort();
    return 0;
}
