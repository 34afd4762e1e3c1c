#pragma once
// The collection of the program's loaded forms, in the order their loads
// began: what the runtime's other parts ask of it, without knowing forms.

#include <windows.h>

#include <vector>

// A loaded form as the collection sees it.
class LoadedForm {
public:
    virtual HWND hwnd() const = 0;
    // Whether Tab, the access keys, Enter and Esc work in it.
    virtual bool wantsDialogKeys() const = 0;
    // Whether the program's message boxes are owned by its window.
    virtual bool ownsMessageBoxes() const = 0;
    // False when the form refused.
    virtual bool Unload() = 0;

protected:
    ~LoadedForm() = default;
};

class LoadedForms {
public:
    void add(LoadedForm& form);
    void remove(LoadedForm& form);
    bool contains(const LoadedForm& form) const;
    bool empty() const { return forms_.empty(); }
    // A copy: unloading a form changes the collection.
    std::vector<LoadedForm*> snapshot() const { return forms_; }

    // The loaded form whose window this is.
    LoadedForm* withWindow(HWND window) const;
    // The window that owns message boxes: the form that asked for them, once
    // its window exists; none before.
    HWND messageBoxOwner() const;

private:
    std::vector<LoadedForm*> forms_;
};
