#pragma once
// Gives a test process registry roots of its own: HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE are redirected to fresh keys for as long as the
// sandbox lives, so tests that set the game's key or the fonts folder can
// run side by side. The keys are deleted afterwards.

#include <windows.h>

#include <string>

class RegistrySandbox {
public:
    RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;
    ~RegistrySandbox();

    // Writes a REG_SZ value (with its NUL) under the redirected root.
    void setString(HKEY root, const std::wstring& subKey, const std::wstring& name, const std::wstring& value);
    // The two values the main window reads at start-up.
    void setFontsFolder(const std::wstring& folder);
    void setGameFolder(const std::wstring& folder);

private:
    std::wstring base_;
    HKEY user_ = nullptr;
    HKEY machine_ = nullptr;
};
