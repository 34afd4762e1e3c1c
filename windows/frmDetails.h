#pragma once
// Font Details: what a font file says of itself and what it means for the
// game, as text a player can select and copy. Opened from the file list's
// context menu, modeless, beside the main window; one instance, loaded
// afresh for the file it is opened on; Esc or its close box closes it.

#include <optional>
#include <string>

#include "files/GameFolder.h"
#include "fonts/FontCheck.h"
#include "fonts/FontDetails.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

// Everything Font Details tells of one file.
struct FontFacts {
    std::wstring fileName;
    // Nothing when the file is no font the readers know.
    std::optional<FontDetails> details;
    // The structural check's verdict, for a TrueType font.
    std::optional<FontVerdict> verdict;
    std::optional<unsigned long long> fileSize;
    std::optional<SYSTEMTIME> modified;  // local time
    GameCopy inGame = GameCopy::None;
    // The version the game's copy gives, when it is another file.
    std::optional<std::u16string> gameVersion;
};

// Reads the facts of a file: only the tables shown, and of 'cmap' only the
// subtable used. How the game's copy compares is taken from inGame when the
// caller knows it already (the file list compares it to draw the entry's
// mark; for a large font that reads the two files whole), else compared.
FontFacts readFontFacts(const std::wstring& path, const GameFolder& game,
                        std::optional<GameCopy> inGame = std::nullopt);

// The facts as the window shows them, lines separated by CR LF.
std::wstring detailsText(const FontFacts& facts);

class frmDetails : public FormOf<frmDetails> {
public:
    TextBox txtDetails;

    // Shows the details of a file beside the neighbour, loaded afresh.
    void ShowFor(const std::wstring& path, const GameFolder& game, std::optional<GameCopy> inGame, HWND neighbour);

protected:
    FormSettings settings() const override;
    void createControls() override;
    void Form_Load() override;

private:
    FontFacts facts_;
    HWND neighbour_ = nullptr;
};
