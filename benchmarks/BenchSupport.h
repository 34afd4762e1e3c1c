#pragma once
// What the benchmarks share: a clock, milliseconds since a start, medians,
// the Windows path of a folder of the build machine (the fixture fonts),
// and the main window shown with a game registered, so that no box
// interrupts its start.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A Unix path as Wine's drive Z: shows it.
inline std::wstring windowsPath(const std::string& unixPath) {
    std::wstring path = unixPath.starts_with('/') ? L"Z:" : L"";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

// Runs show() with HKEY_LOCAL_MACHINE redirected to a scratch key in which
// the game is registered at C:\.
template <class Show>
void withGameRegistered(Show&& show) {
    HKEY scratch = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KernwellBenchMachine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &scratch, nullptr);
    HKEY game = nullptr;
    RegCreateKeyExW(scratch, L"Software\\Sports Interactive Ltd\\Championship Manager 01-02", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &game, nullptr);
    const wchar_t location[] = L"C:\\";
    RegSetValueExW(game, L"Location", 0, REG_SZ, reinterpret_cast<const BYTE*>(location), sizeof(location));
    RegCloseKey(game);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch);
    show();
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KernwellBenchMachine");
}
