#include "main/frmKernwell.h"

#include "files/Paths.h"
#include "files/ProgramFolder.h"
#include "files/SafeCopy.h"
#include "fonts/FaceNameReader.h"
#include "fonts/FontResourceBuilder.h"
#include "fonts/FontStyle.h"
#include "fonts/InstalledFonts.h"
#include "forms/Application.h"
#include "forms/MessageBox.h"
#include "forms/ProgramEnd.h"
#include "main/ErrorBoxes.h"
#include "registry/Registry.h"
#include "resources/resource.h"
#include "runtime/RuntimeError.h"
#include "windows/frmAbout.h"
#include "windows/frmPreview.h"
#include "windows/webinterface.h"

FormSettings frmKernwell::settings() const {
    FormSettings settings;
    settings.className = L"frmKernwell";
    settings.caption = std::wstring(L"The Tessaline Glyphwright 01/02 (") + webinterface::WebHostName + L")";
    settings.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    settings.clientWidth = 6465;
    settings.clientHeight = 4275;
    settings.iconId = IDI_APPLICATION_ICON;
    settings.acceptsFiles = true;
    settings.ownsMessageBoxes = true;
    return settings;
}

// Created in keyboard order: drive list, copy button, preview label, folder
// list, file list.
void frmKernwell::createControls() {
    drvOpen.create(*this, TwipsRect{120, 840, 2655, 315});
    drvOpen.onChange = [this] { drvOpen_Change(); };
    cmdSave.create(*this, ButtonArgs{.caption = L"&Copy to CM Fonts Folder", .rect = TwipsRect{120, 210, 2655, 375}});
    cmdSave.onClick = [this] { cmdSave_Click(); };
    FontSpec previewFont;
    previewFont.points = 18;
    lblPreview.create(*this, L"Tessaline", TwipsRect{3000, 120, 3255, 1095}, previewFont, LabelStyle{SS_CENTER});
    dirOpen.create(*this, TwipsRect{120, 1320, 2655, 2790});
    dirOpen.onChange = [this] { dirOpen_Change(); };
    fleOpen.create(*this, TwipsRect{3000, 1320, 3255, 2820}, L"*.ttf");
    fleOpen.onClick = [this] { fleOpen_Click(); };
    fleOpen.onContextMenu = [this](POINT at) { fleOpen_ContextMenu(at); };

    addMenuItem(mnuPreview, L"Full &Preview");
    mnuPreview.onClick = [this] { mnuPreview_Click(); };
    addMenuItem(mnuAbout, L"&About");
    mnuAbout.onClick = [this] { mnuAbout_Click(); };
    addMenuItem(mnuExit, L"&Exit");
    mnuExit.onClick = [this] { mnuExit_Click(); };
}

// Reads the fonts folder and the game folder, opens the browser on the
// fonts folder and clears the preview.
void frmKernwell::Form_Load() {
    sessionEnding_ = false;
    fontsFolder_ = ReadRegistryString(HKEY_CURRENT_USER,
                                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                      L"Fonts", L"");
    gameFolder_ = GameFolder(ReadRegistryString(
        HKEY_LOCAL_MACHINE, L"Software\\Sports Interactive Ltd\\Championship Manager 01-02\\", L"Location", L""));
    if (gameFolder_.location().empty()) {
        msgBox(L"Championship Manager 01-02 is not installed upon the computer...please install before using editor");
    }
    openFontsFolder();
    lblPreview.setCaption(L"");
    // A resource file left by an earlier run would make every face-name
    // read fail; the reader removes it, or works elsewhere.
    faceNames_.emplace();
}

// Each assignment runs the list's change handler before it returns, so the
// three lists end on the fonts folder with no file selected. A fonts folder
// that cannot be opened (no value, an unusable one, a drive that is not
// there) leaves the browser on the program's own folder instead.
void frmKernwell::openFontsFolder() {
    try {
        drvOpen.setDrive(fontsFolder_);
        dirOpen.setPath(fontsFolder_);
    } catch (const RuntimeError&) {
        drvOpen.setDrive(programFolder());
        dirOpen.setPath(programFolder());
    }
}

// Asks before quitting; a yes unloads every window of the program. At the
// end of the session the question has been answered already.
void frmKernwell::Form_QueryUnload(bool& cancel) {
    if (!sessionEnding_ && !confirmQuit()) {
        cancel = true;
        return;
    }
    UnloadAllForms();
}

// The system closing the program asks the same question, and only asks.
void frmKernwell::Form_QueryEndSession(bool& cancel) { cancel = !confirmQuit(); }

// The session ends after the user agreed: every window unloads.
void frmKernwell::Form_EndSession() {
    sessionEnding_ = true;
    Unload();
}

bool frmKernwell::confirmQuit() {
    return msgBox(L"Do you wish to quit the Glyphwright?", MsgButtons::YesNo, MsgIcon::Question,
                  L"Want to Quit?") == MsgResult::Yes;
}

void frmKernwell::UnloadAllForms() {
    // A snapshot: unloading changes the collection.
    for (LoadedForm* form : Application::instance().forms().snapshot()) form->Unload();
}

// Exit closes the window as the close box does, asking first.
void frmKernwell::mnuExit_Click() { Unload(); }

// The file list follows the folder list, with the game's fonts marked.
void frmKernwell::dirOpen_Change() {
    fleOpen.setPath(dirOpen.path());
    refreshMarks();
}

// The folder list follows the drive list; a drive that cannot be read is
// reported and, when it is missing, left for the program's own drive.
void frmKernwell::drvOpen_Change() {
    try {
        dirOpen.setPath(drvOpen.drive());
    } catch (const RuntimeError& error) {
        driveChangeFailed_ = true;
        msgBox(L"Drive Unavailable", MsgButtons::OK, MsgIcon::Critical, L"No Media Avaiable");
        // Falls back to the program's own drive; that assignment runs this
        // handler again, nested, and a failure there ends with its own box.
        if (error.number() == err::DeviceUnavailable) drvOpen.setDrive(programFolder());
    }
}

namespace {
// What a dropped item opens: the folder to show, and the name of the file to
// select in it (empty for a folder).
struct DroppedItem {
    std::wstring folder;
    std::wstring fileName;
};

DroppedItem droppedItem(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) raiseLastError();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {path, L""};
    std::wstring folder = folderOf(path);
    if (folder.empty()) raiseError(err::PathNotFound);
    return {folder, nameOf(path)};
}
}  // namespace

// A file or folder dropped on the window: the lists move to its folder
// through the same change events as the user's choices, and a dropped font
// is selected and previewed as a click does. Of several items the first counts.
void frmKernwell::Form_DragDrop(const std::vector<std::wstring>& paths) {
    try {
        driveChangeFailed_ = false;
        drvOpen.setDrive(paths.front());
        // The drive change has shown its box; the lists show another folder.
        if (driveChangeFailed_) return;
        DroppedItem item = droppedItem(paths.front());
        // The folder already open is read afresh, with nothing selected.
        if (!dirOpen.setPath(item.folder)) dirOpen_Change();
        if (!item.fileName.empty() && fleOpen.select(item.fileName)) fleOpen_Click();
    } catch (const RuntimeError& error) {
        showGenericError(error);
    }
}

// Copies the selected font into the game's Data\Fonts folder.
void frmKernwell::cmdSave_Click() {
    try {
        std::wstring fileName = fleOpen.fileName();
        if (fileName.empty()) {
            msgBox(L"Please select a font to copy", MsgButtons::OK, MsgIcon::None, L"No font Selected");
            return;
        }
        // Only a font the preview can read is copied, and a source that has
        // gone is reported as such; either way nothing is written.
        std::wstring source = joinPath(fleOpen.path(), fileName);
        requireSourceFile(source);
        requireSoundFont(source);
        std::wstring destination = gameFolder_.fontsFolder();
        ensureFolder(destination);
        copyFileSafely(source, destination + fileName,
                       [&](const std::wstring& target) { return keepReplaced(source, target); });
        refreshMarks();
        msgBox(L"Copy Completed!", MsgButtons::OK, MsgIcon::Information, L"Copy Finished");
    } catch (const KeepError& error) {
        showSaveError(error);
    } catch (const RuntimeError& error) {
        if (error.number() == err::PathNotFound) {
            msgBox(std::wstring(L"Unable to access font file\r\n"
                                L"Probable cause is corrupt installtion files attribute has been set...Please "
                                L"re-install CM and try again\r\n"
                                L"If problem persists send an e-mail with your problem too ") +
                       webinterface::SupportEMail,
                   MsgButtons::OK, MsgIcon::Critical, L"Error!");
            endProgramNow();
            return;
        }
        showSaveError(error);
    }
}

// Reads the face name through the temporary resource file readied at load.
std::wstring frmKernwell::GetFontName(const std::wstring& filePath) {
    return faceNameOf(filePath, FontFileTables::load(filePath));
}

// The same for a file whose tables are read already.
std::wstring frmKernwell::faceNameOf(const std::wstring& filePath, const std::optional<FontFileTables>& file) {
    auto build = [&](unsigned long hidden, const wchar_t* resource, const wchar_t* font, const wchar_t*) {
        if (file) return createFontResource(file->tables(), hidden, resource, font);
        SetLastError(ERROR_BAD_FORMAT);
        return 0;
    };
    if (!faceNames_) return readFaceNameWith(filePath, build);
    return faceNames_->read(filePath, build);
}

// Cuts the style word out of the face name and shows it on the flags of the
// preview font to be set; a flag that the word does not name keeps its value.
std::wstring frmKernwell::SplitFontStyle(const std::wstring& faceName, FontSpec& font) {
    StyleSplit split = splitStyleWord(faceName);
    applyFlagChange(font.italic, split.italic);
    applyFlagChange(font.bold, split.bold);
    return split.baseName;
}

// The clicked file's own face, drawn at the label's size; nothing when it
// cannot be loaded, and the label draws the name as it always has.
std::optional<DrawnFace> frmKernwell::ownFace(const std::wstring& fontPath, const FontTables& tables,
                                              const InstalledFamilyLookup& lookup) {
    auto loaded = privateFonts_.faceOf(fontPath, tables, lookup, fontHeight(lblPreview.font().points, dpi()));
    if (!loaded) return std::nullopt;
    return DrawnFace{loaded->face.family, loaded->face.weight, loaded->face.italic, loaded->keepLoaded};
}

// Shows the clicked font's base name, shortened to the longest prefix that
// is an installed family, drawn with the glyphs of the clicked file itself
// where its face can be loaded. The label takes its flags, name and caption
// at once; one read of the file serves the face name, the face and the check.
void frmKernwell::fleOpen_Click() {
    try {
        std::wstring fullPath = joinPath(fleOpen.path(), fleOpen.fileName());
        auto file = FontFileTables::load(fullPath);
        std::wstring faceName = faceNameOf(fullPath, file);
        FontSpec font = lblPreview.font();
        std::wstring baseName = SplitFontStyle(faceName, font);
        InstalledFamilyLookup lookup;
        auto installed = findLongestInstalledPrefix(baseName, [&](const std::wstring& family) {
            return privateFonts_.isInstalled(family, lookup);
        });
        font.name = installed.value_or(baseName);
        std::optional<DrawnFace> face;
        if (file && !baseName.empty()) face = ownFace(fullPath, file->tables(), lookup);
        // The face drawn so far stays loaded until the new one is on screen:
        // removing a font the process loaded walks every installed family,
        // which the player need not wait for.
        std::optional<DrawnFace> previous = lblPreview.drawnFace();
        lblPreview.setFontAndCaption(font, face, font.name);
        UpdateWindow(lblPreview.hwnd());
    } catch (const RuntimeError& error) {
        if (error.number() == err::InvalidProperty) {
            msgBox(L"Unable to preview font", MsgButtons::OK, MsgIcon::Critical, L"Preview Failed");
            lblPreview.setCaption(L"");
            return;
        }
        showGenericError(error);
    }
}

// Shows the full preview of the font on the label, modeless, beside this window.
void frmKernwell::mnuPreview_Click() {
    frmPreview::instance().ShowFor(PreviewedFont{lblPreview.font(), lblPreview.drawnFace()}, hwnd());
}

// Shows the About window, modal.
void frmKernwell::mnuAbout_Click() { frmAbout::instance().Show(ShowMode::Modal); }
