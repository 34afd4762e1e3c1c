#include "forms/DisabledWindows.h"

DisabledWindows::DisabledWindows(const LoadedForms& forms, HWND keep) {
    for (LoadedForm* form : forms.snapshot()) {
        HWND window = form->hwnd();
        if (!window || window == keep || !IsWindowEnabled(window)) continue;
        EnableWindow(window, FALSE);
        disabled_.push_back(window);
    }
}

DisabledWindows::~DisabledWindows() {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
}
