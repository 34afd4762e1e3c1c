#pragma once
// The game's folder, as the main window read it at start-up, and the
// game's two font folders: Data\Fonts\, where the copy puts a font, and
// Data\Replaced Fonts\, beside it, where the fonts a copy replaced (or a
// removal took out) are kept, so that nothing of the game's is lost. Every
// part of the program that needs them asks here; nothing else spells these
// folders.

#include <map>
#include <string>
#include <vector>

// Whether the game's Data\Fonts\ has a file of a name, and how it compares.
enum class GameCopy { None, Same, Different };

// The game's copies of the files of one folder, from one listing of the
// game's fonts taken when it is made. A name is compared only when asked,
// so that a list of thousands of files pays for the entries it shows.
class GameCopies {
public:
    GameCopies() = default;
    GameCopy of(const std::wstring& name) const;

private:
    friend class GameFolder;
    std::wstring folder_;
    std::wstring fontsFolder_;
    std::map<std::wstring, std::wstring> gameNames_;  // upper case to as listed
    bool gameItself_ = false;  // the folder is the game's fonts folder
};

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
    // The same for the files of a folder, compared as they are asked for;
    // none when the game's fonts cannot be listed.
    GameCopies copiesIn(const std::wstring& folder) const;

    // The kept files of a font name, the newest first.
    std::vector<std::wstring> keptCopies(const std::wstring& name) const;
    // Moves the game's font of this name into Data\Replaced Fonts\ (made
    // when missing), in one step, under "<name> (replaced <local time>)",
    // numbered when that name is taken, and returns its path there.
    std::wstring keep(const std::wstring& name) const;

private:
    std::wstring location_;
};
