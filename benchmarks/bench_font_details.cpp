// Times reading a font's details (names, embedding bits, glyph count and
// the game's characters it lacks), which must stay far below the 50 ms in
// which the details window opens, for any font: the reads are bounded by
// the tables shown, not by the file. Over the fixture fonts, the system's
// DejaVu fonts, and any font files named on the command line (Unix paths
// reach the files through Z:); prints each file's size, the bytes read, the
// first read and the median of the rounds after it.

#include <windows.h>

#include "BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fonts/FontDetails.h"
#include "fonts/FontFile.h"
#include "runtime/Text.h"

namespace {
constexpr int Rounds = 15;
constexpr double GoalMs = 50;

std::vector<std::wstring> fontFiles(int argc, char** argv) {
    const std::wstring fixtures = windowsPath(KERNWELL_FIXTURES);
    std::vector<std::wstring> files = {fixtures + L"\\FixtureSans.ttf", fixtures + L"\\DetailsWide.ttf",
                                       fixtures + L"\\DetailsCollection.ttf"};
    const std::wstring dejaVu = L"Z:\\usr\\share\\fonts\\truetype\\dejavu";
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((dejaVu + L"\\*.ttf").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do files.push_back(dejaVu + L"\\" + found.cFileName);
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    for (int i = 1; i < argc; ++i) files.push_back(windowsPath(argv[i]));
    return files;
}

double msToLoad(const std::wstring& path, bool& described) {
    auto start = Clock::now();
    described = loadFontDetails(path).has_value();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

unsigned long long bytesRead(const std::wstring& path) {
    FontFile file(path);
    unsigned long long total = 0;
    readFontDetails([&](unsigned long long offset, size_t length) {
        auto bytes = file.read(offset, length);
        if (bytes) total += bytes->size();
        return bytes;
    });
    return total;
}
}  // namespace

int main(int argc, char** argv) {
    std::printf("%-34s %10s %10s %9s %9s %s\n", "font", "size KB", "read KB", "first ms", "median ms", "");
    double slowest = 0;
    for (const std::wstring& path : fontFiles(argc, argv)) {
        bool described = false;
        const double first = msToLoad(path, described);
        std::vector<double> times;
        for (int round = 1; round < Rounds; ++round) times.push_back(msToLoad(path, described));
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        slowest = std::max({slowest, first, median});
        std::printf("%-34s %10llu %10.1f %9.3f %9.3f %s\n", toAnsi(path.substr(path.rfind(L'\\') + 1)).c_str(),
                    FontFile(path).size() / 1024, bytesRead(path) / 1024.0, first, median,
                    described ? "" : "(not described)");
    }
    std::printf("slowest read %.3f ms (goal: the whole window under %.0f ms)\n", slowest, GoalMs);
    return 0;
}
