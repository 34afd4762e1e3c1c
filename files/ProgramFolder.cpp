#include "files/ProgramFolder.h"

#include <windows.h>

#include <cwchar>
#include <utility>

#include "files/FileNames.h"
#include "files/Paths.h"

namespace {
// Empty unless a test has pointed the program folder elsewhere.
std::wstring& overrideFolder() {
    static std::wstring folder;
    return folder;
}

std::wstring executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return folderOf(path);
}

// A kernel object's name that stands for a folder: names take no backslash
// and a limited length, so the folder's upper-case form is hashed (FNV-1a),
// and two spellings of one folder give one name.
std::wstring folderMarkName(const std::wstring& folder) {
    std::wstring upper = upperCase(folder);
    unsigned long long hash = 14695981039346656037ull;
    for (wchar_t c : upper) hash = (hash ^ static_cast<unsigned short>(c)) * 1099511628211ull;
    wchar_t hex[17];
    swprintf(hex, 17, L"%016llx", hash);
    return std::wstring(L"Local\\Kernwell-program-folder-") + hex;
}
}  // namespace

std::wstring programFolder() {
    return overrideFolder().empty() ? executableFolder() : overrideFolder();
}

ProgramFolderOverride::ProgramFolderOverride(std::wstring folder)
    : previous_(std::exchange(overrideFolder(), std::move(folder))) {}

ProgramFolderOverride::~ProgramFolderOverride() { overrideFolder() = std::move(previous_); }

ProgramFolderMark::ProgramFolderMark(const std::wstring& folder)
    : mark_(CreateMutexW(nullptr, FALSE, folderMarkName(folder).c_str())),
      heldByAnother_(mark_ && GetLastError() == ERROR_ALREADY_EXISTS) {}
