#pragma once
// The game's folder, as the main window read it at start-up, and the
// game's two font folders: Data\Fonts\, where the copy puts a font, and
// Data\Replaced Fonts\, beside it, where the fonts a copy replaced are
// kept. Every part of the program that needs them asks here; nothing else
// spells these folders.

#include <string>

class GameFolder {
public:
    GameFolder() = default;
    // The location as the registry gives it; spaces at its ends are no part
    // of a folder name.
    explicit GameFolder(const std::wstring& location);

    // Empty when the game is not installed.
    const std::wstring& location() const { return location_; }

    // The folder followed by "\Data\Fonts\", joined as plain text: without
    // the game, a folder at the root of the current drive.
    std::wstring fontsFolder() const;
    // Beside Fonts, never inside it: the game may load every font there.
    std::wstring replacedFontsFolder() const;

private:
    std::wstring location_;
};
