#include "windows/frmDetails.h"

#include <cwchar>
#include <string>
#include <vector>

#include "files/Paths.h"
#include "fonts/FontFileTables.h"
#include "windows/ToolWindow.h"

namespace {
const wchar_t* const NewLine = L"\r\n";

// The names shown, in this order, with their name IDs.
struct NameLine {
    uint16_t id;
    const wchar_t* label;
};
constexpr NameLine NameLines[] = {
    {1, L"Family"},    {2, L"Style"},        {4, L"Full name"},  {16, L"Typographic family"},
    {17, L"Typographic style"}, {5, L"Version"}, {9, L"Designer"}, {8, L"Maker"},
    {0, L"Copyright"}, {7, L"Trademark"},    {13, L"Licence"},   {14, L"Licence address"},
};

// A name's text, its line breaks as an edit box shows them (CR LF).
std::wstring wide(const std::u16string& text) {
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) shown += L'\r';
        shown += static_cast<wchar_t>(text[i]);
    }
    return shown;
}

std::wstring line(const std::wstring& label, const std::wstring& value) { return label + L": " + value + NewLine; }

std::wstring tableName(uint32_t tag) {
    return std::wstring{L'\'', static_cast<wchar_t>(tag >> 24), static_cast<wchar_t>(tag >> 16 & 0xFF),
                        static_cast<wchar_t>(tag >> 8 & 0xFF), static_cast<wchar_t>(tag & 0xFF), L'\''};
}

std::wstring unreadable(TableState state, const wchar_t* table) {
    return state == TableState::Missing ? std::wstring(L"not stated (the font has no ") + table + L" table)"
                                        : std::wstring(L"cannot be read (the ") + table + L" table is damaged)";
}

std::wstring namesText(const FontDetails& details) {
    if (details.nameTable != TableState::Read) return line(L"Names", unreadable(details.nameTable, L"'name'"));
    std::wstring text;
    for (const NameLine& name : NameLines)
        if (details.names[name.id]) text += line(name.label, wide(*details.names[name.id]));
    return text;
}

std::wstring embeddingText(const FontDetails& details) {
    if (!details.embedding) return line(L"Embedding", unreadable(details.os2Table, L"'OS/2'"));
    const Embedding& embedding = *details.embedding;
    std::wstring words;
    switch (embedding.usage) {
    case EmbeddingUsage::Installable: words = L"installable: may be embedded in documents and installed"; break;
    case EmbeddingUsage::RestrictedLicence: words = L"restricted licence: not to be embedded without leave"; break;
    case EmbeddingUsage::PreviewAndPrint: words = L"preview and print: may be embedded to view and print"; break;
    case EmbeddingUsage::Editable: words = L"editable: may be embedded in documents that are edited"; break;
    }
    if (embedding.noSubsetting) words += L"; no subsetting";
    if (embedding.bitmapOnly) words += L"; bitmap only";
    return line(L"Embedding", words);
}

std::wstring outlinesText(const FontFacts& facts) {
    switch (facts.details->outlines) {
    case Outlines::TrueType: return line(L"Outlines", L"TrueType");
    case Outlines::Cff:
    case Outlines::Cff2: return line(L"Outlines", L"PostScript (CFF), not TrueType, although " + facts.fileName +
                                                       L" is named as a TrueType file");
    case Outlines::Unknown: break;
    }
    return line(L"Outlines", L"none (bitmaps only, or unknown)");
}

std::wstring fileText(const FontFacts& facts) {
    std::wstring text = facts.fileSize ? std::to_wstring(*facts.fileSize) + L" bytes" : L"size unknown";
    if (facts.modified) {
        wchar_t date[32];
        const SYSTEMTIME& t = *facts.modified;
        swprintf(date, 32, L"%04u-%02u-%02u %02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
        text += std::wstring(L", last changed ") + date;
    }
    return line(L"File", text);
}

std::wstring faultText(const FontVerdict& verdict) {
    std::wstring table = tableName(verdict.tag);
    switch (verdict.fault) {
    case FontFault::None: break;
    case FontFault::TableOutsideFile: return L"the " + table + L" table runs past the end of the file";
    case FontFault::TableMissing: return L"it has no " + table + L" table, which a TrueType font needs";
    case FontFault::TableTooShort: return L"the " + table + L" table is shorter than its fixed part";
    case FontFault::GlyphIndexTooShort: return L"'loca' holds fewer glyphs than 'maxp' counts";
    case FontFault::GlyphDataTooShort: return L"'glyf' ends before its last glyph does";
    }
    return {};
}

std::wstring structureText(const FontFacts& facts) {
    if (!facts.verdict || *facts.verdict) return {};
    return line(L"Damaged", faultText(*facts.verdict) + L"; the preview does not draw it and Copy refuses it");
}

std::wstring charactersText(const FontDetails& details) {
    const wchar_t* label = L"The game's characters";
    if (!details.coverage) return line(label, L"unknown (no character map could be read)");
    const Coverage& coverage = *details.coverage;
    if (coverage.kind == CoverageKind::Symbol)
        return line(label, L"a symbol font: its characters are symbols of its own, not the game's letters");
    if (coverage.kind == CoverageKind::NoWindowsSubtable)
        return line(label, L"unknown (the font has no Windows character map)");
    const size_t total = gameCharacters().size();
    if (coverage.missing.empty()) return line(label, L"All " + std::to_wstring(total) + L" characters present");
    // Eight to a line of their own: easier to read than one long paragraph,
    // and an edit box wraps a long paragraph slowly (30 ms for 165 of them).
    constexpr size_t PerLine = 8;
    std::wstring lacking;
    for (size_t i = 0; i < coverage.missing.size(); ++i) {
        const GameCharacter& c = coverage.missing[i];
        lacking += i % PerLine == 0 ? NewLine + std::wstring(L"    ") : L"  ";
        lacking += std::wstring(1, static_cast<wchar_t>(c.codePoint)) + L" (" + std::to_wstring(c.code) + L")";
    }
    return line(label, L"lacks " + std::to_wstring(coverage.missing.size()) + L" of " + std::to_wstring(total) +
                           L":" + lacking);
}

std::wstring gameText(const FontFacts& facts) {
    const wchar_t* label = L"In the game's Data\\Fonts";
    switch (facts.inGame) {
    case GameCopy::None: break;
    case GameCopy::Same: return line(label, L"the same file");
    case GameCopy::Different:
        return line(label, L"a different file of this name" +
                               (facts.gameVersion ? L", " + wide(*facts.gameVersion) : std::wstring()) +
                               L" (a copy replaces it, and keeps it in Data\\Replaced Fonts)");
    }
    return line(label, L"not there");
}

std::optional<SYSTEMTIME> localTime(const FILETIME& time) {
    FILETIME local;
    SYSTEMTIME system;
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &system)) return std::nullopt;
    return system;
}
}  // namespace

FontFacts readFontFacts(const std::wstring& path, const GameFolder& game, std::optional<GameCopy> inGame) {
    FontFacts facts;
    facts.fileName = nameOf(path);
    facts.details = loadFontDetails(path);
    if (auto tables = FontFileTables::load(path)) facts.verdict = checkFontStructure(tables->tables());
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        facts.fileSize = static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
        facts.modified = localTime(data.ftLastWriteTime);
    }
    facts.inGame = inGame ? *inGame : game.copyOf(facts.fileName, path);
    if (facts.inGame == GameCopy::Different) {
        auto inGame = loadFontDetails(game.fontsFolder() + facts.fileName);
        if (inGame) facts.gameVersion = inGame->names[5];
    }
    return facts;
}

std::wstring detailsText(const FontFacts& facts) {
    std::wstring text = facts.fileName + NewLine + NewLine;
    if (!facts.details) {
        text += L"Not a font the program can read: the file holds no TrueType or OpenType font.";
        return text + NewLine + NewLine + fileText(facts) + NewLine + gameText(facts);
    }
    const FontDetails& details = *facts.details;
    if (details.collectionFonts)
        text += L"A collection of " + std::to_wstring(*details.collectionFonts) +
                L" fonts; these are the details of the first." + NewLine + NewLine;
    text += namesText(details) + embeddingText(details) + outlinesText(facts);
    text += line(L"Glyphs", details.glyphCount ? std::to_wstring(*details.glyphCount)
                                                 : unreadable(details.maxpTable, L"'maxp'"));
    text += fileText(facts) + structureText(facts);
    return text + NewLine + L"For the game" + NewLine + charactersText(details) + gameText(facts);
}

void frmDetails::ShowFor(const std::wstring& path, const GameFolder& game, std::optional<GameCopy> inGame,
                         HWND neighbour) {
    facts_ = readFontFacts(path, game, inGame);
    neighbour_ = neighbour;
    // Each file is shown in a window loaded afresh for it.
    if (isLoaded()) Unload();
    Show();
}

FormSettings frmDetails::settings() const { return toolWindowSettings(L"frmDetails", L"Font Details", neighbour_); }

void frmDetails::createControls() {
    txtDetails.create(*this, TextBoxArgs{.rect = TwipsRect{120, 120, 6495, 5040}, .multiLine = true, .readOnly = true});
}

void frmDetails::Form_Load() {
    txtDetails.setFont(FontSpec{});
    txtDetails.setText(detailsText(facts_));
}
