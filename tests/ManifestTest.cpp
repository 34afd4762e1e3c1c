// The application manifest compiled into the program: visual styles, DPI
// awareness, the supported Windows versions, and no trustInfo section.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {
std::string manifestText() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (!found) return {};
    auto bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

TEST(ManifestTest, AsksForCommonControlsSixPerMonitorDpiAndWindowsSevenToEleven) {
    std::string manifest = manifestText();
    for (const char* wanted :
         {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", ">true/pm</dpiAware>",
          ">PerMonitorV2, PerMonitor</dpiAwareness>", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
          "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
    // The process runs per-monitor aware (2), as the manifest asks.
    using Context = HANDLE;
    auto user32 = GetModuleHandleW(L"user32.dll");
    auto current = reinterpret_cast<Context(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    auto awareness = reinterpret_cast<int(WINAPI*)(Context)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    ASSERT_TRUE(current && awareness);
    EXPECT_EQ(awareness(current()), 2);
}
}  // namespace
