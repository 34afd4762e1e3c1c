#pragma once
// The runtime's one object: the application's title, which message boxes
// take when given none, the collection of loaded forms, and the hidden
// window that owns the forms that must not have a taskbar button. The
// program hands the runtime its title when its session begins.

#include <windows.h>

#include <string>

#include "forms/LoadedForms.h"

class Application {
public:
    static Application& instance();

    const std::wstring& title() const { return title_; }
    void setTitle(std::wstring title) { title_ = std::move(title); }

    LoadedForms& forms() { return forms_; }

    // A hidden top-level window, created on first use.
    HWND hiddenOwner();

private:
    Application() = default;

    std::wstring title_;
    LoadedForms forms_;
    HWND hiddenOwner_ = nullptr;
};
