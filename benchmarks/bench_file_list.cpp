// Lists a folder of 10,000 entries (half of them "*.ttf") through the main
// window's file list control, 21 times, and prints the median time of
// setting its path (reading the folder and filling the list box) and
// drawing it. Then the same listing with the marks of the fonts the game
// has: a game folder of 100 of the listed names, 64 KB each, half the same
// bytes and half different in their last byte, so that each is read whole;
// the first rows shown are all of them, so that every row drawn compares.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "files/FileAccess.h"
#include "files/Folders.h"
#include "files/GameFolder.h"
#include "resources/AppInfo.h"
#include "forms/Session.h"
#include "forms/FileList.h"
#include "forms/Form.h"

namespace {
constexpr wchar_t kFolder[] = L"C:\\kwbench";
constexpr int kEntries = 10000;
constexpr int kRuns = 21;
constexpr wchar_t kGame[] = L"C:\\kwbenchgame";
constexpr int kGameFonts = 100;
constexpr size_t kGameFontSize = 64 * 1024;
constexpr double kMarksGoal = 1.1;

bool createEmptyFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool createEntries() {
    CreateDirectoryW(kFolder, nullptr);
    for (int i = 0; i < kEntries; ++i) {
        std::wstring name = L"font" + std::to_wstring(i) + (i % 2 ? L".ttf" : L".dat");
        if (!createEmptyFile(std::wstring(kFolder) + L"\\" + name)) return false;
    }
    return true;
}

// A bare window that holds the file list, as the main window does.
class BenchForm : public Form {
public:
    FileList fleOpen;

protected:
    FormSettings settings() const override {
        FormSettings settings;
        settings.className = L"BenchForm";
        settings.clientWidth = 6465;
        settings.clientHeight = 4275;
        return settings;
    }
    void createControls() override { fleOpen.create(*this, TwipsRect{3000, 1320, 3255, 2820}, L"*.ttf"); }
};

bool writeFile(const std::wstring& path, const std::vector<char>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
    CloseHandle(file);
    return whole;
}

// The game's copies of the first listed fonts, and the listed files given
// their bytes.
bool createGameFonts(const GameFolder& game) {
    CreateDirectoryW(kGame, nullptr);
    CreateDirectoryW((std::wstring(kGame) + L"\\Data").c_str(), nullptr);
    CreateDirectoryW(game.fontsFolder().c_str(), nullptr);
    std::vector<char> bytes(kGameFontSize, 'f');
    for (int i = 0; i < kGameFonts; ++i) {
        std::wstring name = L"font" + std::to_wstring(2 * i + 1) + L".ttf";
        bytes.back() = 'f';
        if (!writeFile(std::wstring(kFolder) + L"\\" + name, bytes)) return false;
        if (i % 2) bytes.back() = 'g';
        if (!writeFile(game.fontsFolder() + name, bytes)) return false;
    }
    return true;
}

void removeFolder(const std::wstring& folder) {
    for (const FolderEntry& entry : listEntries(folder)) DeleteFileW((folder + L"\\" + entry.name).c_str());
    RemoveDirectoryW(folder.c_str());
}

void removeEntries(const GameFolder& game) {
    removeFolder(kFolder);
    removeFolder(game.fontsFolder());
    RemoveDirectoryW((std::wstring(kGame) + L"\\Data").c_str());
    RemoveDirectoryW(kGame);
}

EntryMark markOf(GameCopy copy) {
    return copy == GameCopy::Same ? EntryMark::Filled : copy == GameCopy::Different ? EntryMark::Hollow : EntryMark::None;
}
}  // namespace

int main() {
    Session session{appinfo::Title};
    const GameFolder game(kGame);
    if (!createEntries() || !createGameFonts(game)) {
        std::fprintf(stderr, "cannot create the benchmark folders\n");
        removeEntries(game);
        return 1;
    }
    BenchForm form;
    form.Load();
    form.Show();
    std::vector<double> plain, marked;
    size_t listed = 0;
    // The two listings take turns, so that both meet the machine alike.
    for (int run = 0; run < kRuns; ++run) {
        for (bool withMarks : {false, true}) {
            form.fleOpen.setPath(L"C:\\");
            auto start = Clock::now();
            form.fleOpen.setPath(kFolder);
            if (withMarks)
                form.fleOpen.setMarker([copies = game.copiesIn(kFolder)](const std::wstring& name) {
                    return markOf(copies.of(name));
                });
            UpdateWindow(form.fleOpen.hwnd());
            (withMarks ? marked : plain).push_back(msSince(start));
            listed = static_cast<size_t>(SendMessageW(form.fleOpen.hwnd(), LB_GETCOUNT, 0, 0));
        }
    }
    std::vector<EntryMark> all = form.fleOpen.marks();
    size_t marks = static_cast<size_t>(std::count_if(all.begin(), all.end(), [](EntryMark m) { return m != EntryMark::None; }));
    // Each run's two listings side by side: the ratio of a pair holds where
    // the machine's load drifts between runs.
    std::vector<double> ratios;
    for (int run = 0; run < kRuns; ++run) ratios.push_back(marked[run] / plain[run]);
    std::sort(plain.begin(), plain.end());
    std::printf("file list of %d entries (%zu matching): median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                kEntries, listed, plain[kRuns / 2], plain.front(), plain.back(), kRuns);
    std::printf("with the marks of %zu game fonts: median %.1f ms, %.2fx without (median of the runs' ratios; goal: at "
                "most %.2fx)\n",
                marks, median(marked), median(ratios), kMarksGoal);
    form.Unload();
    removeEntries(game);
    return listed == kEntries / 2 && marks == kGameFonts ? 0 : 1;
}
