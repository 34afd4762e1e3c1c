#include "fonts/FontResourceLayout.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "fonts/FontResourceScan.h"

namespace {
constexpr std::string_view DosText = "This is a TrueType resource file";
constexpr size_t DosHeaderSize = 0x40;
constexpr size_t NeOffset = 0x80;
constexpr size_t NeHeaderSize = 0x40;
constexpr size_t ResourceTableSize = 52;
constexpr unsigned AlignShift = 4;  // resource offsets and lengths count 16-byte units
constexpr size_t Paragraph = size_t{1} << AlignShift;

constexpr uint16_t FontDirType = 0x8007;
constexpr uint16_t FontPathType = 0x80CC;
constexpr uint16_t ResourceFlags = 0x0C50;  // moveable, shareable, preloaded
constexpr uint16_t LibraryModule = 0x8000;
constexpr uint8_t WindowsTarget = 2;
constexpr uint16_t WindowsVersion3 = 0x0300;

constexpr size_t FontDirSize = 149;        // a count, an id, then one directory entry
constexpr size_t FontDirFaceOffset = 117;  // where the entry's face name starts
constexpr uint16_t ScalableType = 0x4003;
constexpr uint16_t HiddenType = 0x0080;
constexpr uint8_t PitchVariable = 0x01, PitchVector = 0x02, PitchTrueType = 0x04;

size_t roundUpToParagraph(size_t n) { return (n + Paragraph - 1) / Paragraph; }

uint16_t clamp16(size_t n) { return static_cast<uint16_t>(std::min<size_t>(n, 0xFFFF)); }

// Little-endian writes into a buffer that is already as long as the file.
class Writer {
public:
    explicit Writer(std::vector<unsigned char>& bytes) : bytes_(bytes) {}
    void u8(size_t at, unsigned value) { bytes_.at(at) = static_cast<unsigned char>(value); }
    void u16(size_t at, unsigned value) {
        u8(at, value & 0xFF);
        u8(at + 1, value >> 8 & 0xFF);
    }
    void u32(size_t at, uint32_t value) {
        u16(at, value & 0xFFFF);
        u16(at + 2, value >> 16);
    }
    void text(size_t at, std::string_view s) {
        for (size_t i = 0; i < s.size(); ++i) u8(at + i, static_cast<unsigned char>(s[i]));
    }
    // A length byte followed by the text.
    void counted(size_t at, std::string_view s) {
        u8(at, static_cast<unsigned>(s.size()));
        text(at + 1, s);
    }

private:
    std::vector<unsigned char>& bytes_;
};

// The text up to its first zero byte, at most `limit` bytes long.
std::string_view cString(std::string_view s, size_t limit) {
    return s.substr(0, std::min(s.find('\0'), limit));
}

std::string_view fileNamePart(std::string_view path) {
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// Where each table lands. NE-header offsets count from the NE header,
// except the non-resident table's, which counts from the start of the file.
struct Positions {
    size_t residentTable, importTable, entryTable, nonResidentTable, nonResidentSize;
    size_t pathParagraph, pathParagraphs, dirParagraph, dirParagraphs, fileSize;
};

Positions place(size_t baseNameLength, size_t importLength, size_t faceLength, size_t pathLength) {
    Positions p{};
    p.residentTable = NeHeaderSize + ResourceTableSize;
    // length byte, name, ordinal, end of table and padding
    p.importTable = p.residentTable + 1 + baseNameLength + 2 + 3;
    p.entryTable = p.importTable + 1 + importLength;
    p.nonResidentTable = NeOffset + p.entryTable + 2 + 2;  // an empty entry table, then two zeros
    // length byte, marker and name, ordinal (whose low byte ends the name), end of table
    p.nonResidentSize = 1 + FontResourceMarker.size() + faceLength + 2 + 1;
    p.pathParagraph = roundUpToParagraph(p.nonResidentTable + p.nonResidentSize);
    p.pathParagraphs = roundUpToParagraph(pathLength + 1);
    p.dirParagraph = p.pathParagraph + p.pathParagraphs;
    p.dirParagraphs = roundUpToParagraph(FontDirSize);
    p.fileSize = (p.dirParagraph + p.dirParagraphs) * Paragraph;
    return p;
}

void writeDosStub(Writer& w) {
    w.text(0, "MZ");
    w.u32(0x3C, NeOffset);
    w.text(DosHeaderSize, DosText);
}

void writeNeHeader(Writer& w, const Positions& p) {
    const size_t ne = NeOffset;
    w.text(ne, "NE");
    w.u8(ne + 0x02, 5);                    // linker version
    w.u8(ne + 0x03, 1);                    // linker revision
    w.u16(ne + 0x04, p.entryTable);
    w.u16(ne + 0x06, 2);                   // entry table size
    w.u16(ne + 0x0C, LibraryModule);
    w.u16(ne + 0x20, p.nonResidentSize);
    w.u16(ne + 0x22, NeHeaderSize);        // segment table: empty, right after the header
    w.u16(ne + 0x24, NeHeaderSize);        // resource table
    w.u16(ne + 0x26, p.residentTable);
    w.u16(ne + 0x28, p.importTable);       // module-reference table: empty
    w.u16(ne + 0x2A, p.importTable);
    w.u32(ne + 0x2C, static_cast<uint32_t>(p.nonResidentTable));
    w.u16(ne + 0x32, AlignShift);
    w.u16(ne + 0x34, 2);                   // resource segments
    w.u8(ne + 0x36, WindowsTarget);
    w.u16(ne + 0x3E, WindowsVersion3);
}

// Two resource types of one resource each, then the name "FONTDIR" that
// the directory resource is known by.
void writeResourceTable(Writer& w, const Positions& p) {
    const size_t at = NeOffset + NeHeaderSize;
    constexpr uint16_t DirNameOffset = 0x2C;
    constexpr uint16_t PathResourceId = 0x8001;
    w.u16(at, AlignShift);
    w.u16(at + 2, FontDirType);
    w.u16(at + 4, 1);
    w.u16(at + 10, clamp16(p.dirParagraph));
    w.u16(at + 12, clamp16(p.dirParagraphs));
    w.u16(at + 14, ResourceFlags);
    w.u16(at + 16, DirNameOffset);
    w.u16(at + 22, FontPathType);
    w.u16(at + 24, 1);
    w.u16(at + 30, clamp16(p.pathParagraph));
    w.u16(at + 32, clamp16(p.pathParagraphs));
    w.u16(at + 34, ResourceFlags);
    w.u16(at + 36, PathResourceId);
    // at + 42: a zero type ends the list
    w.counted(at + DirNameOffset, "FONTDIR");
}

void writeNameTables(Writer& w, const Positions& p, std::string_view baseName,
                     std::string_view importName, std::string_view faceName) {
    w.counted(NeOffset + p.residentTable, baseName);
    w.u8(NeOffset + p.importTable, static_cast<unsigned>(importName.size() + 1));
    w.text(NeOffset + p.importTable + 1, importName);
    std::string entry(FontResourceMarker);
    entry += faceName;
    w.counted(p.nonResidentTable, entry);
}

void writeFontDirectory(Writer& w, size_t at, const FontResourceContents& c, std::string_view family) {
    const TrueTypeMetrics& m = c.metrics;
    const size_t height = size_t{m.ascent} + m.descent;
    const uint8_t first = static_cast<uint8_t>(std::min<unsigned>(m.firstChar, 0xFF));
    const uint8_t last = static_cast<uint8_t>(std::min<unsigned>(m.lastChar, 0xFF));
    w.u16(at + 0, 1);                      // one font in the directory
    w.u16(at + 4, 0x0200);                 // entry version
    w.u32(at + 6, FontDirSize);
    w.u16(at + 70, ScalableType | (c.hidden ? HiddenType : 0));
    w.u16(at + 72, m.unitsPerEm);
    w.u16(at + 74, 72);                    // vertical and horizontal resolution
    w.u16(at + 76, 72);
    w.u16(at + 78, m.ascent);
    w.u16(at + 80, clamp16(height > m.unitsPerEm ? height - m.unitsPerEm : 0));
    w.u16(at + 82, m.lineGap);
    w.u8(at + 84, m.italic ? 1 : 0);
    w.u16(at + 87, m.weight);
    w.u16(at + 92, clamp16(height));
    w.u8(at + 94, PitchTrueType | PitchVector | (m.fixedPitch ? 0 : PitchVariable));
    w.u16(at + 95, m.averageWidth);
    w.u16(at + 97, m.maximumWidth);
    w.u8(at + 99, first);
    w.u8(at + 100, last);
    w.u8(at + 101, first);                 // default character
    w.u8(at + 102, std::clamp<uint8_t>(0x20, first, std::max(first, last)));  // break character
    w.u32(at + 109, FontDirFaceOffset);
    w.text(at + FontDirFaceOffset, family);
}
}  // namespace

std::vector<unsigned char> layOutFontResource(const FontResourceContents& contents) {
    std::string_view fontFile = cString(contents.fontFile, std::string_view::npos);
    std::string_view faceName = cString(contents.faceName, MaxFontResourceFaceName);
    std::string_view family = cString(contents.familyName, MaxFontResourceFamilyName);
    std::string_view importName = cString(fileNamePart(fontFile), 254);
    std::string_view baseName = importName.substr(0, importName.find('.'));

    const Positions p = place(baseName.size(), importName.size() + 1, faceName.size(), fontFile.size());
    if (p.dirParagraph + p.dirParagraphs > 0xFFFF) return {};  // a path too long to address
    std::vector<unsigned char> bytes(p.fileSize, 0);
    Writer w(bytes);
    writeDosStub(w);
    writeNeHeader(w, p);
    writeResourceTable(w, p);
    writeNameTables(w, p, baseName, importName, faceName);
    w.text(p.pathParagraph * Paragraph, fontFile);
    writeFontDirectory(w, p.dirParagraph * Paragraph, contents, family);
    return bytes;
}
