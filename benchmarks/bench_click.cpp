// Times one click in the file list: reading the face name, splitting the
// style words, listing the installed screen fonts and finding the longest
// installed prefix. Our own font resource builder is timed side by side
// with the platform's CreateScalableFontResourceA, both read back through
// the same scan, over the fixture fonts and the system's DejaVu and
// Liberation fonts.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fonts/FaceNameReader.h"
#include "fonts/FontResourceBuilder.h"
#include "fonts/FontStyle.h"
#include "fonts/InstalledFonts.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#ifndef KERNWELL_FIXTURES
#define KERNWELL_FIXTURES "../tests/fixtures"
#endif

namespace {
using Clock = std::chrono::steady_clock;
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
std::wstring windowsPath(const std::string& unixPath) {
    std::wstring path = unixPath.starts_with('/') ? L"Z:" : L"";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

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
    std::vector<double> clickMs;
    int emptyNames = 0;
    int errors = 0;
};

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::wstring click(Approach& approach, const std::wstring& file) {
    auto start = Clock::now();
    std::wstring faceName;
    try {
        faceName = readFaceNameWith(file, approach.builder);
    } catch (const RuntimeError&) {
        ++approach.errors;
    }
    approach.readMs.push_back(msSince(start));
    std::wstring baseName = SplitFontStyle(faceName).baseName;
    baseName = longestInstalledPrefix(baseName, installedScreenFontFamilies());
    approach.clickMs.push_back(msSince(start));
    return faceName;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    std::printf("%-18s %14s %14s %8s %8s\n", "approach", "read name ms", "whole click ms", "empty", "errors");
    for (const Approach* a : {&ours, &platform})
        std::printf("%-18s %14.3f %14.3f %8d %8d\n", a->label, median(a->readMs), median(a->clickMs),
                    a->emptyNames, a->errors);
    std::printf("ratio platform/own: read name %.2f, whole click %.2f\n",
                median(platform.readMs) / median(ours.readMs), median(platform.clickMs) / median(ours.clickMs));
    return 0;
}
