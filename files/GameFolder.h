#pragma once
// The game's folder, as the main window read it at start-up, and the
// game's two font folders: Data\Fonts\, where the copy puts a font, and
// Data\Replaced Fonts\, beside it, where the fonts a copy replaced (or a
// removal took out) are kept, so that nothing of the game's is lost. Every
// part of the program that needs them asks here; nothing else spells these
// folders.

#include <string>
#include <vector>

// Whether the game's Data\Fonts\ has a file of a name, and how it compares.
enum class GameCopy { None, Same, Different };

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

    // The game's copy of a font of this name, compared with source by size
    // and then by bytes.
    GameCopy copyOf(const std::wstring& name, const std::wstring& source) const;
    // The same for every name of a folder, from one listing of the game's
    // fonts: only names the game has are compared.
    std::vector<GameCopy> copiesOf(const std::wstring& folder, const std::vector<std::wstring>& names) const;

    // The kept files of a font name, the newest first.
    std::vector<std::wstring> keptCopies(const std::wstring& name) const;
    // Moves the game's font of this name into Data\Replaced Fonts\ (made
    // when missing), in one step, under "<name> (replaced <local time>)",
    // numbered when that name is taken, and returns its path there.
    std::wstring keep(const std::wstring& name) const;

private:
    std::wstring location_;
};
