// Times a click's face-name work: building the font resource file for the
// font, reading the name back out of it and deleting it. Our own font
// resource builder is timed side by side with the platform's
// CreateScalableFontResourceA, both read back through the same scan, over
// the fixture fonts and the system's DejaVu and Liberation fonts; the figure
// that counts is the ratio ours / platform, and the slowest font of ours.

#include <windows.h>

#include "BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "fonts/FaceNameReader.h"
#include "fonts/FontResourceBuilder.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

namespace {
constexpr int Rounds = 15;

const wchar_t* const FixtureFonts[] = {
    L"FixtureSans.ttf",       L"FixtureSansBold.ttf",       L"FixtureSerifItalic.ttf",
    L"FixtureMonoBoldItalic.ttf", L"BoldFaceSans.ttf",      L"FixtureMac.ttf",
    L"FixtureLongName31.ttf", L"FixtureNoFullBold.ttf",     L"FixturePlain.ttf",
    L"FixtureCafe.ttf",
};
const wchar_t* const SystemFontFolders[] = {
    L"Z:\\usr\\share\\fonts\\truetype\\dejavu",
    L"Z:\\usr\\share\\fonts\\truetype\\liberation",
};

// A Unix path as Wine reaches it (absolute through Z:), or a relative one.
bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> fontFiles() {
    std::vector<std::wstring> files;
    const std::wstring fixtures = windowsPath(KERNWELL_FIXTURES);
    for (const wchar_t* name : FixtureFonts)
        if (exists(fixtures + L"\\" + name)) files.push_back(fixtures + L"\\" + name);
    for (const wchar_t* folder : SystemFontFolders) {
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW((std::wstring(folder) + L"\\*.ttf").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do files.push_back(std::wstring(folder) + L"\\" + found.cFileName);
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    return files;
}

int platformBuilder(unsigned long hidden, const wchar_t* resource, const wchar_t* font, const wchar_t* path) {
    return CreateScalableFontResourceW(hidden, resource, font, path);
}

struct Approach {
    const char* label;
    FontResourceBuilderFn builder;
    std::vector<double> readMs;
    std::map<std::wstring, std::vector<double>> readMsByFile;
    int emptyNames = 0;
    int errors = 0;
};

std::wstring click(Approach& approach, const std::wstring& file) {
    auto start = Clock::now();
    std::wstring faceName;
    try {
        faceName = readFaceNameWith(file, approach.builder);
    } catch (const RuntimeError&) {
        ++approach.errors;
    }
    double ms = msSince(start);
    approach.readMs.push_back(ms);
    approach.readMsByFile[file].push_back(ms);
    return faceName;
}

// The slowest font by its median, and how many fonts take over 1 ms.
void printSlowest(const Approach& approach) {
    double slowest = 0;
    std::wstring slowestFile;
    int overOneMs = 0;
    for (const auto& [file, times] : approach.readMsByFile) {
        double ms = median(times);
        overOneMs += ms > 1.0;
        if (ms > slowest) slowest = ms, slowestFile = file;
    }
    std::printf("%-18s slowest font %.3f ms (%s), fonts over 1 ms: %d\n", approach.label, slowest,
                toAnsi(slowestFile.substr(slowestFile.rfind(L'\\') + 1)).c_str(), overOneMs);
}

void printNameComparison(const std::wstring& file, const std::wstring& ours, const std::wstring& platform) {
    std::string shortName = toAnsi(file.substr(file.rfind(L'\\') + 1));
    std::printf("  %-36s %-34s %s\n", shortName.c_str(), toAnsi(ours).c_str(),
                ours == platform ? "(same)" : ("platform: \"" + toAnsi(platform) + "\"").c_str());
}
}  // namespace

int main() {
    DeleteFileW(tempFontResourcePath().c_str());  // a left-over would block every read
    const std::vector<std::wstring> files = fontFiles();
    if (files.empty()) {
        std::printf("no font files found\n");
        return 1;
    }
    Approach ours{"own builder", createScalableFontResource, {}, {}};
    Approach platform{"platform builder", platformBuilder, {}, {}};

    std::printf("Face names (%zu files):\n", files.size());
    int differing = 0;
    for (const std::wstring& file : files) {
        std::wstring ourName = click(ours, file);
        std::wstring platformName = click(platform, file);
        if (ourName.empty()) ++ours.emptyNames;
        if (platformName.empty()) ++platform.emptyNames;
        if (ourName != platformName) ++differing;
        printNameComparison(file, ourName, platformName);
    }
    // Alternate which goes first, so that neither gains from the other's warm caches.
    for (int round = 1; round < Rounds; ++round) {
        for (const std::wstring& file : files) {
            Approach& first = round % 2 ? platform : ours;
            Approach& second = round % 2 ? ours : platform;
            click(first, file);
            click(second, file);
        }
    }

    std::printf("\n%d rounds over %zu files; names differ for %d files\n", Rounds, files.size(), differing);
    std::printf("read name ms: median time to build, read back and delete the resource file, over every\n"
                "font and round; empty: fonts without a name; errors: reads that raised an error\n");
    std::printf("%-18s %14s %8s %8s\n", "approach", "read name ms", "empty", "errors");
    for (const Approach* a : {&ours, &platform})
        std::printf("%-18s %14.3f %8d %8d\n", a->label, median(a->readMs), a->emptyNames, a->errors);
    for (const Approach* a : {&ours, &platform}) printSlowest(*a);
    std::printf("ratio own/platform (read name): %.2f\n", median(ours.readMs) / median(platform.readMs));
    return 0;
}
