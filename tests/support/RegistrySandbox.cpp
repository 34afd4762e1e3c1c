#include "tests/support/RegistrySandbox.h"

#include <stdexcept>

namespace {
HKEY createKey(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create a registry key for the test");
    return key;
}
}  // namespace

RegistrySandbox::RegistrySandbox()
    : base_(L"Software\\KernwellTestRoots\\" + std::to_wstring(GetCurrentProcessId())) {
    user_ = createKey(HKEY_CURRENT_USER, base_ + L"\\User");
    machine_ = createKey(HKEY_CURRENT_USER, base_ + L"\\Machine");
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_);
    RegOverridePredefKey(HKEY_CURRENT_USER, user_);
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(user_);
    RegCloseKey(machine_);
    RegDeleteTreeW(HKEY_CURRENT_USER, base_.c_str());
}

void RegistrySandbox::setString(HKEY root, const std::wstring& subKey, const std::wstring& name,
                                const std::wstring& value) {
    HKEY key = createKey(root, subKey);
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void RegistrySandbox::setFontsFolder(const std::wstring& folder) {
    setString(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", L"Fonts",
              folder);
}

void RegistrySandbox::setGameFolder(const std::wstring& folder) {
    setString(HKEY_LOCAL_MACHINE, L"Software\\Sports Interactive Ltd\\Championship Manager 01-02", L"Location",
              folder);
}
