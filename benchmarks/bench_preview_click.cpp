// Times a click in the main window's file list, from the mouse input to the
// preview label repainted, with 40 fonts of which half are installed and
// half are not (renamed copies of the same files), at three numbers of
// installed families: what the test prefix has, about 2,000 and about
// 6,800. The extra families are copies of a fixture font, each renamed
// within its name table and added for this process only (the platform
// lists such fonts with the installed ones).

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "resources/AppInfo.h"
#include "fonts/FaceNameReader.h"
#include "fonts/InstalledFonts.h"
#include "fonts/TrueTypeTables.h"
#include "forms/Session.h"
#include "main/frmKernwell.h"

namespace {
using Bytes = std::vector<unsigned char>;
constexpr wchar_t ClickFolder[] = L"C:\\kwclick";
constexpr wchar_t FamilyFolder[] = L"C:\\kwfamilies";
constexpr int FontsOfEachKind = 20;
constexpr int Rounds = 5;
const int FamilyTargets[] = {0, 2000, 6800};

Bytes readFile(const std::wstring& path) {
    Bytes bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void writeFile(const std::wstring& path, const Bytes& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Replaces a word by another of the same length wherever the name table
// holds it, in UTF-16 (Windows records) and in single bytes (Macintosh).
bool renameInNameTable(Bytes& font, const std::string& from, const std::string& to) {
    auto directory = readTableDirectory(ByteView(font));
    auto name = directory ? findTableRecord(*directory, "name") : std::nullopt;
    if (!name || !ByteView(font).slice(name->offset, name->length)) return false;
    auto replace = [&](const Bytes& old, const Bytes& now) {
        auto begin = font.begin() + name->offset, end = begin + name->length;
        for (auto at = std::search(begin, end, old.begin(), old.end()); at != end;
             at = std::search(at + 1, end, old.begin(), old.end()))
            std::copy(now.begin(), now.end(), at);
    };
    auto wide = [](const std::string& text) {
        Bytes bytes;
        for (char c : text) bytes.insert(bytes.end(), {0, static_cast<unsigned char>(c)});
        return bytes;
    };
    replace(wide(from), wide(to));
    replace(Bytes(from.begin(), from.end()), Bytes(to.begin(), to.end()));
    return true;
}

// TrueType files spread evenly over the system's font folders in name
// order: a spread of families, sizes and styles.
std::vector<std::wstring> systemFonts() {
    std::vector<std::wstring> all;
    for (const wchar_t* folder : {L"dejavu", L"droid", L"liberation", L"noto"}) {
        std::wstring base = std::wstring(L"Z:\\usr\\share\\fonts\\truetype\\") + folder + L"\\";
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((base + L"*.ttf").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do all.push_back(base + found.cFileName);
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    std::sort(all.begin(), all.end());
    std::vector<std::wstring> chosen;
    if (all.size() < FontsOfEachKind) return chosen;
    for (size_t i = 0; i < FontsOfEachKind; ++i) chosen.push_back(all[i * all.size() / FontsOfEachKind]);
    return chosen;
}

// The first word of the file's face name, which its family names share.
std::string firstWord(const std::wstring& path) {
    std::wstring face = readFaceName(path);
    std::string word;
    for (wchar_t c : face.substr(0, face.find(L' '))) word += static_cast<char>(c);
    return word;
}

struct BenchFont {
    std::wstring fileName;
    bool installed;
};

// The system fonts, installed for this process, and a copy of each whose
// names start with "Zq" instead, which no system has.
std::vector<BenchFont> prepareClickFolder() {
    CreateDirectoryW(ClickFolder, nullptr);
    std::vector<BenchFont> fonts;
    int index = 0;
    for (const std::wstring& source : systemFonts()) {
        std::string word = firstWord(source);
        Bytes bytes = readFile(source);
        if (word.size() < 3 || bytes.empty()) continue;
        std::wstring name = L"f" + std::to_wstring(index++);
        writeFile(std::wstring(ClickFolder) + L"\\" + name + L"a.ttf", bytes);
        AddFontResourceExW(source.c_str(), FR_PRIVATE, nullptr);
        fonts.push_back({name + L"a.ttf", true});
        renameInNameTable(bytes, word, "Zq" + word.substr(2));
        writeFile(std::wstring(ClickFolder) + L"\\" + name + L"b.ttf", bytes);
        fonts.push_back({name + L"b.ttf", false});
    }
    return fonts;
}

size_t familyCount() {
    std::vector<std::wstring> names = installedScreenFontFamilies();
    return std::set<std::wstring>(names.begin(), names.end()).size();
}

// Adds renamed copies of a fixture font until the platform lists `target`
// families; each family is seven letters of its own and " Sans".
void addFamilies(size_t target, int& added, const Bytes& fixture) {
    CreateDirectoryW(FamilyFolder, nullptr);
    size_t count = familyCount();
    for (; count < target; ++count, ++added) {
        std::string word = "Gen";
        for (int n = added, i = 0; i < 4; ++i, n /= 26) word += static_cast<char>('a' + n % 26);
        Bytes bytes = fixture;
        renameInNameTable(bytes, "Fixture", word);
        std::wstring path = std::wstring(FamilyFolder) + L"\\g" + std::to_wstring(added) + L".ttf";
        writeFile(path, bytes);
        AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
    }
}

// Counts the preview label's paints and notes when the last one ended: the
// click is over for the player when the label shows the new name. A STATIC
// control paints in its WM_PAINT and also at once when its text is set, and
// asks its parent for its colours each time.
WNDPROC originalLabelProc = nullptr;
WNDPROC originalMainProc = nullptr;
HWND countedLabel = nullptr;
int labelPaints = 0;
Clock::time_point labelPainted;

LRESULT CALLBACK countingMainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == countedLabel) ++labelPaints;
    return CallWindowProcW(originalMainProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK timingLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    int before = labelPaints;
    LRESULT result = CallWindowProcW(originalLabelProc, hwnd, message, wParam, lParam);
    if (labelPaints != before) labelPainted = Clock::now();
    return result;
}

// Scrolls the entry into view and paints the list, as the user would have
// before clicking; not part of the click.
void scrollTo(HWND list, int index) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    UpdateWindow(list);
}

void clickEntry(HWND list, int index) {
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
}

struct Figures {
    std::vector<double> whole, installed, notInstalled, listBox, paints;
};

// The whole click from the mouse input to the label's last paint, with
// everything that the input leaves to do painted as well.
void measureClicks(frmKernwell& main, const std::vector<BenchFont>& fonts, Figures& figures) {
    const std::vector<std::wstring>& names = main.fleOpen.fileNames();
    for (int round = 0; round < Rounds; ++round) {
        for (const BenchFont& font : fonts) {
            int index = static_cast<int>(std::find(names.begin(), names.end(), font.fileName) - names.begin());
            scrollTo(main.fleOpen.hwnd(), index);
            labelPaints = 0;
            auto start = Clock::now();
            clickEntry(main.fleOpen.hwnd(), index);
            UpdateWindow(main.hwnd());
            double ms = std::chrono::duration<double, std::milli>(labelPainted - start).count();
            figures.whole.push_back(ms);
            (font.installed ? figures.installed : figures.notInstalled).push_back(ms);
            figures.paints.push_back(labelPaints);
        }
    }
    // The list box's own share: the same input with nothing handling the click.
    auto handler = std::move(main.fleOpen.onClick);
    main.fleOpen.onClick = [] {};
    for (int round = 0; round < Rounds; ++round) {
        for (size_t i = 0; i < fonts.size(); ++i) {
            scrollTo(main.fleOpen.hwnd(), static_cast<int>(i));
            auto start = Clock::now();
            clickEntry(main.fleOpen.hwnd(), static_cast<int>(i));
            figures.listBox.push_back(msSince(start));
        }
    }
    main.fleOpen.onClick = std::move(handler);
}

// Shows the main window with a game folder registered, so that no box
// interrupts its start, and points its browser at the click folder.
frmKernwell& showMainWindow() {
    frmKernwell& main = frmKernwell::instance();
    withGameRegistered([&] { main.Show(); });
    main.dirOpen.setPath(ClickFolder);
    countedLabel = main.lblPreview.hwnd();
    originalMainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(main.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingMainProc)));
    originalLabelProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(countedLabel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(timingLabelProc)));
    return main;
}

void removeFolder(const wchar_t* folder) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((std::wstring(folder) + L"\\*.ttf").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do DeleteFileW((std::wstring(folder) + L"\\" + found.cFileName).c_str());
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder);
}
}  // namespace

int main() {
    Session session{appinfo::Title};
    DeleteFileW(tempFontResourcePath().c_str());
    std::vector<BenchFont> fonts = prepareClickFolder();
    Bytes fixture = readFile(windowsPath(KERNWELL_FIXTURES) + L"\\FixtureSans.ttf");
    if (fonts.size() < 2 * FontsOfEachKind || fixture.empty()) {
        std::printf("needs %d fonts in /usr/share/fonts/truetype (fonts-dejavu-extra, fonts-liberation)"
                    " and the fixture fonts\n", FontsOfEachKind);
        return 1;
    }
    frmKernwell& main = showMainWindow();
    std::printf("%zu fonts (%d installed, %d not), %d rounds; medians in ms\n", fonts.size(), FontsOfEachKind,
                FontsOfEachKind, Rounds);
    std::printf("  click: mouse input to the label's last paint (all / installed / not installed), beside\n"
                "         its goal (3 ms at about 2,000 families, 4 ms at about 6,800)\n"
                "  paints: label paints in one click; listbox: the list box alone, the same input\n");
    std::printf("%8s %7s %7s %7s %6s %7s  %s\n", "families", "click", "inst", "not", "paints", "listbox", "goal");
    int added = 0;
    for (int target : FamilyTargets) {
        addFamilies(static_cast<size_t>(target), added, fixture);
        Figures figures;
        measureClicks(main, fonts, figures);
        size_t families = familyCount();
        double goal = families < 1000 ? 0 : families < 4000 ? 3 : 4;
        bool met = median(figures.installed) <= goal && median(figures.notInstalled) <= goal;
        std::printf("%8zu %7.2f %7.2f %7.2f %6.0f %7.2f  %s\n", families, median(figures.whole),
                    median(figures.installed), median(figures.notInstalled), median(figures.paints),
                    median(figures.listBox), goal == 0 ? "-" : met ? "met" : "missed");
        std::fflush(stdout);
    }
    // The program's own end would ask the quit question; the process's end
    // removes the fonts it added.
    removeFolder(ClickFolder);
    removeFolder(FamilyFolder);
    return 0;
}
