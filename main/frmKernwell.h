#pragma once
// The main window: the folder browser (drive, folder and file lists), the
// preview label that shows the clicked font's face name in that font, the
// copy command, and the menu bar. Closing it asks for confirmation and then
// unloads every window of the program. Beyond that, the file list marks
// the fonts the game has and offers a context menu: the details of a font,
// restoring a font a copy replaced, removing one from the game, and the
// game's font folder.

#include <optional>
#include <string>
#include <vector>

#include "files/GameFolder.h"
#include "forms/CommandButton.h"
#include "forms/DriveList.h"
#include "forms/FileList.h"
#include "forms/FolderList.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/MenuItem.h"
#include "fonts/FaceNameReader.h"
#include "fonts/FontFileTables.h"
#include "fonts/PrivateFonts.h"

class frmKernwell : public FormOf<frmKernwell> {
public:
    DriveList drvOpen;
    CommandButton cmdSave;
    Label lblPreview;
    FolderList dirOpen;
    FileList fleOpen;
    MenuItem mnuPreview;
    MenuItem mnuAbout;
    MenuItem mnuExit;

    // The face name recorded in a TrueType file; empty when none is built.
    std::wstring GetFontName(const std::wstring& filePath);
    // Unloads every loaded window, in the order they were loaded.
    void UnloadAllForms();

    const std::wstring& fontsFolder() const { return fontsFolder_; }
    const GameFolder& gameFolder() const { return gameFolder_; }

protected:
    FormSettings settings() const override;
    void createControls() override;
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void Form_QueryEndSession(bool& cancel) override;
    void Form_EndSession() override;
    void Form_DragDrop(const std::vector<std::wstring>& paths) override;

private:
    void drvOpen_Change();
    void dirOpen_Change();
    void fleOpen_Click();
    void cmdSave_Click();
    void mnuPreview_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    std::wstring SplitFontStyle(const std::wstring& faceName, FontSpec& font);
    std::wstring faceNameOf(const std::wstring& filePath, const std::optional<FontFileTables>& file);
    std::optional<DrawnFace> ownFace(const std::wstring& fontPath, const FontTables& tables,
                                     const InstalledFamilyLookup& lookup);
    void openFontsFolder();
    bool confirmQuit();

    // The game's fonts beyond the copy (frmKernwellGameFonts.cpp): the file
    // list's marks and context menu, keeping what a copy replaces, restoring
    // and removing.
    void fleOpen_ContextMenu(POINT at);
    void showFontDetails();
    void restoreReplacedFont();
    void removeFromGame();
    void showGameFonts();
    void refreshMarks();
    std::optional<std::wstring> keepReplaced(const std::wstring& source, const std::wstring& target);
    std::wstring selectedPath() const;

    std::wstring fontsFolder_;
    GameFolder gameFolder_;
    // Set once the system ends the session: quitting asks nothing more.
    bool sessionEnding_ = false;
    // Set by a drive change that failed and reported it.
    bool driveChangeFailed_ = false;
    // Reads face names through its temporary file; readied at load.
    std::optional<FaceNameReader> faceNames_;
    PrivateFonts privateFonts_;
};
