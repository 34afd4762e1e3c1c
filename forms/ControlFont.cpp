#include "forms/ControlFont.h"

#include "runtime/RuntimeError.h"

void ControlFont::apply(HWND control, const FontSpec& spec) {
    if (spec.name.empty()) raiseError(err::InvalidProperty);
    FontHandle created = createFont(spec);
    if (!created) raiseError(err::InvalidProperty);
    // The old font is released only after the control has taken the new one.
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
    handle_ = std::move(created);
    spec_ = spec;
}
