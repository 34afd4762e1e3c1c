#include "files/ProgramFolder.h"

#include <windows.h>

#include <utility>

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
    size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    // A drive root keeps its separator ("C:\"), as the file system names it.
    if (path.size() == 2 && path[1] == L':') path += L'\\';
    return path;
}
}  // namespace

std::wstring programFolder() {
    return overrideFolder().empty() ? executableFolder() : overrideFolder();
}

ProgramFolderOverride::ProgramFolderOverride(std::wstring folder)
    : previous_(std::exchange(overrideFolder(), std::move(folder))) {}

ProgramFolderOverride::~ProgramFolderOverride() { overrideFolder() = std::move(previous_); }
