// The structural check of the font services, built natively to be run over
// a corpus of real fonts (tools/check_font_corpus.sh). For each file named
// on the standard input it prints one line: the path, a tab, and "sound" or
// the fault with its table. With --hostile DIR it writes damaged variants
// of each file into DIR instead, the kinds of damage found in broken
// downloads and hostile files.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fonts/FontCheck.h"
#include "fonts/TrueTypeNames.h"
#include "fonts/TrueTypeTables.h"

namespace {
using Bytes = std::vector<unsigned char>;

Bytes readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::string tagText(uint32_t tag) {
    return {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16), static_cast<char>(tag >> 8),
            static_cast<char>(tag)};
}

const char* faultName(FontFault fault) {
    switch (fault) {
    case FontFault::None: return "sound";
    case FontFault::TableOutsideFile: return "table outside the file";
    case FontFault::TableMissing: return "table missing";
    case FontFault::TableTooShort: return "table too short";
    case FontFault::GlyphIndexTooShort: return "glyph index too short";
    case FontFault::GlyphDataTooShort: return "glyph data too short";
    }
    return "?";
}

std::string verdictOf(const Bytes& font) {
    auto tables = findFontTables(ByteView(font));
    if (!tables) return "not a TrueType font";
    FontVerdict verdict = checkFontStructure(*tables);
    std::string text = faultName(verdict.fault);
    if (!verdict) text += " (" + tagText(verdict.tag) + ")";
    if (!readTrueTypeNames(font)) text += "; no usable name";
    return text;
}

void put32(Bytes& font, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) font.at(at + i) = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// The directory record of a table, or 0.
size_t recordOf(const Bytes& font, const char* tag) {
    auto directory = readTableDirectory(ByteView(font));
    if (!directory) return 0;
    for (size_t i = 0; i < directory->size(); ++i)
        if ((*directory)[i].tag == tableTag(tag)) return 12 + 16 * i;
    return 0;
}

void writeVariant(const std::string& folder, const std::string& base, const char* kind, const Bytes& bytes) {
    std::ofstream(folder + "/" + base + "." + kind + ".ttf", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A table's record changed to a length or offset of damage.
void writeRecordVariant(const std::string& folder, const std::string& base, const Bytes& font, const char* tag,
                        const char* kind, size_t field, uint32_t value) {
    size_t record = recordOf(font, tag);
    if (!record) return;
    Bytes damaged = font;
    put32(damaged, record + field, value);
    writeVariant(folder, base, kind, damaged);
}

void writeHostile(const std::string& folder, const std::string& path, int index) {
    Bytes font = readFile(path);
    if (font.size() < 64) return;
    std::string base = std::to_string(index);
    writeVariant(folder, base, "half", Bytes(font.begin(), font.begin() + static_cast<long>(font.size() / 2)));
    writeVariant(folder, base, "cut", Bytes(font.begin(), font.end() - 1));
    writeRecordVariant(folder, base, font, "OS/2", "os2-40", 12, 40);
    writeRecordVariant(folder, base, font, "loca", "loca-short", 12, 2);
    writeRecordVariant(folder, base, font, "glyf", "glyf-short", 12, 16);
    writeRecordVariant(folder, base, font, "name", "name-wrap", 8, 0xFFFFFFF0);
    writeRecordVariant(folder, base, font, "hhea", "hhea-short", 12, 20);
}
}  // namespace

int main(int argc, char** argv) {
    std::string hostileFolder = argc == 3 && std::string(argv[1]) == "--hostile" ? argv[2] : "";
    std::string path;
    int index = 0;
    while (std::getline(std::cin, path)) {
        if (hostileFolder.empty())
            std::cout << path << '\t' << verdictOf(readFile(path)) << '\n';
        else
            writeHostile(hostileFolder, path, index++);
    }
    return 0;
}
