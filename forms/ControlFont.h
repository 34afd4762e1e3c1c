#pragma once
// The font of a control that has one of its own (labels, text boxes):
// described by name, size and style so that each can be read and changed;
// every change creates the font anew, at the control's resolution, and
// hands it to the control.

#include <windows.h>

#include <string>

#include "forms/Layout.h"
#include "runtime/Handle.h"

class ControlFont {
public:
    const FontSpec& spec() const { return spec_; }
    HFONT handle() const { return handle_.get(); }

    // Replaces the description and gives the control the new font. An empty
    // name is refused with error 380 (invalid property value).
    void apply(HWND control, const FontSpec& spec);
    void setName(HWND control, const std::wstring& name);
    void setBold(HWND control, bool bold);
    void setItalic(HWND control, bool italic);
    void setSize(HWND control, double points);
    // The resolution the font is drawn at; a font already given to the
    // control is created again at the new one.
    void setDpi(HWND control, int dpi);
    void release() { handle_.reset(); }

private:
    FontSpec spec_;
    FontHandle handle_;
    int dpi_ = 96;
};
