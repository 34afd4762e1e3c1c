#include "forms/ControlFont.h"

#include "runtime/RuntimeError.h"

void ControlFont::apply(HWND control, const FontSpec& spec) {
    apply(control, spec, spec.name == spec_.name ? drawn_ : std::nullopt, true);
}

void ControlFont::apply(HWND control, const FontSpec& spec, const std::optional<DrawnFace>& face, bool redraw) {
    if (spec.name.empty()) raiseError(err::InvalidProperty);
    FontHandle created = createFont(spec, dpi_, face);
    if (!created) raiseError(err::InvalidProperty);
    // The old font is released only after the control has taken the new one.
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), redraw);
    handle_ = std::move(created);
    spec_ = spec;
    drawn_ = face;
}

void ControlFont::setDpi(HWND control, int dpi) {
    dpi_ = dpi;
    if (handle_) apply(control, spec_);
}

void ControlFont::release() {
    handle_.reset();
    drawn_.reset();
}
