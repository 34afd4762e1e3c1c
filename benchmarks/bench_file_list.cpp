// Lists a folder of 10,000 entries (half of them "*.ttf") through the main
// window's file list control, 21 times, and prints the median time of
// setting its path (reading the folder and filling the list box).

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/AppInfo.h"
#include "files/Folders.h"
#include "forms/Session.h"
#include "forms/FileList.h"
#include "forms/Form.h"

namespace {
constexpr wchar_t kFolder[] = L"C:\\kwbench";
constexpr int kEntries = 10000;
constexpr int kRuns = 21;

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

void removeEntries() {
    for (const FolderEntry& entry : listEntries(kFolder)) DeleteFileW((std::wstring(kFolder) + L"\\" + entry.name).c_str());
    RemoveDirectoryW(kFolder);
}
}  // namespace

int main() {
    Session session{appinfo::Title};
    if (!createEntries()) {
        std::fprintf(stderr, "cannot create the benchmark folder\n");
        removeEntries();
        return 1;
    }
    BenchForm form;
    form.Load();
    std::vector<double> times;
    size_t listed = 0;
    for (int run = 0; run < kRuns; ++run) {
        form.fleOpen.setPath(L"C:\\");
        auto start = std::chrono::steady_clock::now();
        form.fleOpen.setPath(kFolder);
        listed = static_cast<size_t>(SendMessageW(form.fleOpen.hwnd(), LB_GETCOUNT, 0, 0));
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("file list of %d entries (%zu matching): median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d runs\n",
                kEntries, listed, times[kRuns / 2], times.front(), times.back(), kRuns);
    form.Unload();
    removeEntries();
    return listed == kEntries / 2 ? 0 : 1;
}
