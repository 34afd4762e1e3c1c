// The main window's work on the game's fonts beyond the copy: the marks of
// the fonts the game has, the file list's context menu, keeping the font a
// copy replaces, restoring a kept font and removing one from the game.
// Nothing here ends the program: every error is a save error.

#include "main/frmKernwell.h"

#include "files/FileAccess.h"
#include "files/Paths.h"
#include "files/SafeCopy.h"
#include "forms/MessageBox.h"
#include "forms/PopupMenu.h"
#include "main/ErrorBoxes.h"
#include "windows/frmDetails.h"

namespace {
EntryMark markOf(GameCopy copy) {
    switch (copy) {
    case GameCopy::Same: return EntryMark::Filled;
    case GameCopy::Different: return EntryMark::Hollow;
    case GameCopy::None: break;
    }
    return EntryMark::None;
}

GameCopy copyOf(EntryMark mark) {
    switch (mark) {
    case EntryMark::Filled: return GameCopy::Same;
    case EntryMark::Hollow: return GameCopy::Different;
    case EntryMark::None: break;
    }
    return GameCopy::None;
}
}  // namespace

std::wstring frmKernwell::selectedPath() const {
    std::wstring name = fleOpen.fileName();
    return name.empty() ? std::wstring() : joinPath(fleOpen.path(), name);
}

// Marks each entry that the game's Data\Fonts has: filled for the same file,
// hollow for another file of that name, which a copy would replace.
void frmKernwell::refreshMarks() {
    fleOpen.setMarker([copies = gameFolder_.copiesIn(fleOpen.path())](const std::wstring& name) {
        return markOf(copies.of(name));
    });
}

// The context menu of the entry under it; what cannot act is greyed.
void frmKernwell::fleOpen_ContextMenu(POINT at) {
    std::wstring name = fleOpen.fileName();
    bool entry = !name.empty();
    std::vector<PopupItem> items = {
        {L"Font &Details", entry, [this] { showFontDetails(); }},
        {L"&Restore Replaced Font", entry && !gameFolder_.keptCopies(name).empty(), [this] { restoreReplacedFont(); }},
        {L"Re&move from CM Fonts Folder", entry && isFile(gameFolder_.fontsFolder() + name),
         [this] { removeFromGame(); }},
        {L"&Show CM Fonts Folder", true, [this] { showGameFonts(); }},
    };
    showPopupMenu(hwnd(), at, items);
}

// The selected file's details, beside this window; what the game has of it
// as its mark says, compared when the list drew it.
void frmKernwell::showFontDetails() {
    frmDetails::instance().ShowFor(selectedPath(), gameFolder_, copyOf(fleOpen.selectedMark()), hwnd());
}

// Keeps the game's font that a copy is about to replace, unless it holds the
// same bytes: nothing of the game's is lost.
std::optional<std::wstring> frmKernwell::keepReplaced(const std::wstring& source, const std::wstring& target) {
    if (sameContents(source, target)) return std::nullopt;
    try {
        return gameFolder_.keep(nameOf(target));
    } catch (const RuntimeError& error) {
        throw KeepError(error);
    }
}

// Puts the newest kept font of the selected name back into the game through
// the safe copy, keeping the font it replaces in turn; the restored file
// leaves the kept folder.
void frmKernwell::restoreReplacedFont() {
    try {
        std::wstring name = fleOpen.fileName();
        std::vector<std::wstring> kept = gameFolder_.keptCopies(name);
        if (kept.empty()) return;
        ensureFolder(gameFolder_.fontsFolder());
        copyFileSafely(kept.front(), gameFolder_.fontsFolder() + name,
                       [&](const std::wstring& target) { return keepReplaced(kept.front(), target); });
        removeFile(kept.front());
        refreshMarks();
    } catch (const RuntimeError& error) {
        showSaveError(error);
    }
}

// Takes the selected name out of the game, after asking: the game's file is
// kept as a replacement by nothing, which Restore puts back.
void frmKernwell::removeFromGame() {
    std::wstring name = fleOpen.fileName();
    if (msgBox(L"Remove " + name + L" from the game's Data\\Fonts folder?\r\n\r\n"
                   L"It is kept in Data\\Replaced Fonts, from where Restore Replaced Font puts it back.",
               MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return;
    try {
        gameFolder_.keep(name);
        refreshMarks();
    } catch (const RuntimeError& error) {
        showSaveError(error);
    }
}

// The browser moves to the game's Data\Fonts, through the drive and folder
// changes as the user's own choices go.
void frmKernwell::showGameFonts() {
    try {
        driveChangeFailed_ = false;
        drvOpen.setDrive(gameFolder_.fontsFolder());
        if (driveChangeFailed_) return;
        // The folder already open is read afresh, as a change of folder is.
        if (!dirOpen.setPath(gameFolder_.fontsFolder())) dirOpen.onChange();
    } catch (const RuntimeError& error) {
        showGenericError(error);
    }
}
