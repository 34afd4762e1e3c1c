#pragma once
// The font of a control that has one of its own (labels, text boxes):
// described by name, size and style so that each can be read and changed;
// every change creates the font anew, at the control's resolution, and
// hands it to the control. The control may draw another face than its
// description names (a font that is not installed, drawn from its own
// file): that face belongs to the name and goes when the name changes.

#include <windows.h>

#include <optional>
#include <string>

#include "forms/Layout.h"
#include "runtime/Handle.h"

class ControlFont {
public:
    const FontSpec& spec() const { return spec_; }
    const std::optional<DrawnFace>& drawnFace() const { return drawn_; }
    HFONT handle() const { return handle_.get(); }

    // Replaces the description and gives the control the new font. An empty
    // name is refused with error 380 (invalid property value).
    void apply(HWND control, const FontSpec& spec);
    // The same with the face to draw, in one font creation; without redraw
    // the control shows the font at its next repaint.
    void apply(HWND control, const FontSpec& spec, const std::optional<DrawnFace>& face, bool redraw);
    // The resolution the font is drawn at; a font already given to the
    // control is created again at the new one.
    void setDpi(HWND control, int dpi);
    void release();

private:
    FontSpec spec_;
    std::optional<DrawnFace> drawn_;
    FontHandle handle_;
    int dpi_ = 96;
};
