#include "fonts/TrueTypeNames.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "fonts/MacRoman.h"
#include "fonts/TrueTypeTables.h"

namespace {
constexpr uint16_t FamilyNameId = 1;
constexpr uint16_t StyleNameId = 2;
constexpr uint16_t FullNameId = 4;

constexpr uint16_t MacintoshPlatform = 1;
constexpr uint16_t WindowsPlatform = 3;
constexpr uint16_t MacRomanEncoding = 0;
constexpr uint16_t MacEnglish = 0;
constexpr uint16_t WindowsUnicodeBmp = 1;
constexpr uint16_t WindowsUsEnglish = 0x0409;

constexpr size_t NameHeaderSize = 6;
constexpr size_t NameRecordSize = 12;

struct NameRecord {
    uint16_t platform;
    uint16_t encoding;
    uint16_t language;
    uint16_t nameId;
    ByteView text;
};

// Windows records in the symbol, Unicode BMP and UCS-4 encodings hold
// UTF-16; the others (Shift-JIS, Big5 and the like) are left alone rather
// than read wrongly.
bool isWindowsUtf16(const NameRecord& record) {
    return record.platform == WindowsPlatform &&
           (record.encoding == 0 || record.encoding == WindowsUnicodeBmp || record.encoding == 10);
}

bool isMacRomanEnglish(const NameRecord& record) {
    return record.platform == MacintoshPlatform && record.encoding == MacRomanEncoding &&
           record.language == MacEnglish;
}

// Lower is better; nothing for records that are not read at all.
std::optional<int> preference(const NameRecord& record) {
    if (isWindowsUtf16(record)) {
        bool usEnglishBmp =
            record.encoding == WindowsUnicodeBmp && record.language == WindowsUsEnglish;
        return usEnglishBmp ? 0 : 1;
    }
    if (isMacRomanEnglish(record)) return 2;
    return std::nullopt;
}

// Every record whose string lies inside the table; the others are skipped.
std::vector<NameRecord> readNameRecords(ByteView table) {
    std::vector<NameRecord> records;
    auto count = table.u16(2);
    auto stringsOffset = table.u16(4);
    if (!count || !stringsOffset) return records;
    for (size_t i = 0; i < *count; ++i) {
        auto entry = table.slice(NameHeaderSize + i * NameRecordSize, NameRecordSize);
        if (!entry) break;  // a count larger than the table holds
        auto text = table.slice(size_t{*stringsOffset} + *entry->u16(10), *entry->u16(8));
        if (!text) continue;
        records.push_back({*entry->u16(0), *entry->u16(2), *entry->u16(4), *entry->u16(6), *text});
    }
    return records;
}

// UTF-16 big-endian; a stray last byte of an odd length is dropped.
std::u16string decodeUtf16(ByteView text) {
    std::u16string decoded;
    decoded.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2) decoded.push_back(static_cast<char16_t>(*text.u16(i)));
    return decoded;
}

std::u16string decode(const NameRecord& record) {
    if (record.platform == MacintoshPlatform) {
        std::u16string decoded;
        for (unsigned char byte : record.text.bytes()) decoded.push_back(macRomanToUnicode(byte));
        return decoded;
    }
    return decodeUtf16(record.text);
}

// The best non-empty string for a name ID: Windows US English first, then
// any Windows record, then (unless only Windows records are wanted) a
// Macintosh Roman English one; records of equal preference in table order.
std::optional<std::u16string> findName(const std::vector<NameRecord>& records, uint16_t nameId,
                                       bool windowsOnly = false) {
    std::vector<std::pair<int, const NameRecord*>> candidates;
    for (const NameRecord& record : records) {
        auto rank = preference(record);
        if (windowsOnly && record.platform != WindowsPlatform) continue;
        if (record.nameId == nameId && rank) candidates.emplace_back(*rank, &record);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& candidate : candidates) {
        std::u16string name = decode(*candidate.second);
        if (!name.empty()) return name;
    }
    return std::nullopt;
}

std::optional<std::u16string> composeFaceName(const std::vector<NameRecord>& records) {
    if (auto full = findName(records, FullNameId)) return full;
    auto family = findName(records, FamilyNameId);
    if (!family) return std::nullopt;
    auto style = findName(records, StyleNameId);
    if (!style || *style == u"Regular") return family;
    return *family + u" " + *style;
}
}  // namespace

std::optional<TrueTypeNames> readNameTable(ByteView nameTable) {
    std::vector<NameRecord> records = readNameRecords(nameTable);
    auto face = composeFaceName(records);
    if (!face) return std::nullopt;
    auto family = findName(records, FamilyNameId);
    return TrueTypeNames{*face, family ? *family : *face};
}

std::optional<std::u16string> readWindowsFamilyName(ByteView nameTable) {
    return findName(readNameRecords(nameTable), FamilyNameId, true);
}

std::optional<std::u16string> readNameById(ByteView nameTable, uint16_t nameId) {
    return findName(readNameRecords(nameTable), nameId);
}

std::optional<TrueTypeNames> readTrueTypeNames(std::span<const unsigned char> font) {
    auto tables = findFontTables(ByteView(font));
    if (!tables || !tables->name) return std::nullopt;
    return readNameTable(*tables->name);
}
