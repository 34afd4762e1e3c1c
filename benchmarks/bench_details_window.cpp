// Times Font Details from the command to the window painted: the facts
// read, the window loaded afresh and every control of it drawn. For a small
// fixture font and any font files named on the command line (the largest
// real fonts: Unix paths reach the files through Z:), each twice: with no
// copy in the game's folder, and with the game holding the same file. The
// window takes how the two compare from the file list's mark, which the
// list worked out, byte for byte, when it drew the entry; that comparison
// is timed on its own. Prints the first open and the median of the rounds
// after it beside the goal.

#include <windows.h>

#include "BenchSupport.h"

#include <cstdio>
#include <string>
#include <vector>

#include "files/FileAccess.h"
#include "files/GameFolder.h"
#include "files/Paths.h"
#include "forms/Session.h"
#include "resources/AppInfo.h"
#include "runtime/Text.h"
#include "windows/frmDetails.h"

namespace {
constexpr int Rounds = 11;
constexpr double GoalMs = 50;
constexpr wchar_t GameLocation[] = L"C:\\kwdetails";

std::vector<std::wstring> fontFiles(int argc, char** argv) {
    std::vector<std::wstring> files = {windowsPath(KERNWELL_FIXTURES) + L"\\FixtureSans.ttf"};
    for (int i = 1; i < argc; ++i) files.push_back(windowsPath(argv[i]));
    return files;
}

double msToOpen(const std::wstring& path, const GameFolder& game, GameCopy inGame) {
    auto start = Clock::now();
    frmDetails::instance().ShowFor(path, game, inGame, nullptr);
    RedrawWindow(frmDetails::instance().hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    double ms = msSince(start);
    frmDetails::instance().Unload();
    return ms;
}

void removeGameFolder(const GameFolder& game) {
    std::wstring fonts = game.fontsFolder();
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((fonts + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do removeFile(fonts + found.cFileName);
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(fonts.c_str());
    RemoveDirectoryW((std::wstring(GameLocation) + L"\\Data").c_str());
    RemoveDirectoryW(GameLocation);
}
}  // namespace

int main(int argc, char** argv) {
    Session session{appinfo::Title};
    const GameFolder game(GameLocation);
    CreateDirectoryW(GameLocation, nullptr);
    CreateDirectoryW((std::wstring(GameLocation) + L"\\Data").c_str(), nullptr);
    CreateDirectoryW(game.fontsFolder().c_str(), nullptr);

    std::printf("%-28s %9s %-13s %9s %9s %11s\n", "font", "size KB", "game has", "first ms", "median ms",
                "compare ms");
    double slowest = 0;
    for (const std::wstring& path : fontFiles(argc, argv)) {
        const std::wstring name = path.substr(path.rfind(L'\\') + 1);
        for (bool inGame : {false, true}) {
            if (inGame && !CopyFileW(path.c_str(), (game.fontsFolder() + name).c_str(), FALSE)) continue;
            auto compareStart = Clock::now();
            const GameCopy copy = game.copiesIn(folderOf(path)).of(name);
            const double compare = msSince(compareStart);
            const double first = msToOpen(path, game, copy);
            std::vector<double> times;
            for (int round = 1; round < Rounds; ++round) times.push_back(msToOpen(path, game, copy));
            const double middle = median(times);
            slowest = std::max({slowest, first, middle});
            WIN32_FILE_ATTRIBUTE_DATA data{};
            GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
            std::printf("%-28s %9lu %-13s %9.2f %9.2f %11.2f\n", toAnsi(name).c_str(),
                        static_cast<unsigned long>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) / 1024),
                        copy == GameCopy::Same ? "the same file" : "nothing", first, middle, compare);
            if (inGame) removeFile(game.fontsFolder() + name);
        }
    }
    std::printf("Font Details open: slowest %.2f ms (goal: at most %.0f ms)\n", slowest, GoalMs);
    removeGameFolder(game);
    return 0;
}
