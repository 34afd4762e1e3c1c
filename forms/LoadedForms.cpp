#include "forms/LoadedForms.h"

#include <algorithm>

void LoadedForms::add(LoadedForm& form) {
    if (!contains(form)) forms_.push_back(&form);
}

void LoadedForms::remove(LoadedForm& form) { std::erase(forms_, &form); }

bool LoadedForms::contains(const LoadedForm& form) const {
    return std::find(forms_.begin(), forms_.end(), &form) != forms_.end();
}

LoadedForm* LoadedForms::withWindow(HWND window) const {
    if (!window) return nullptr;
    for (LoadedForm* form : forms_)
        if (form->hwnd() == window) return form;
    return nullptr;
}

HWND LoadedForms::messageBoxOwner() const {
    for (LoadedForm* form : forms_)
        if (form->ownsMessageBoxes() && form->hwnd()) return form->hwnd();
    return nullptr;
}
