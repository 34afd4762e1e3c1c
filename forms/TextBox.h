#pragma once
// A text box: an EDIT control with a font of its own.

#include <string>

#include "forms/Control.h"
#include "forms/ControlFont.h"

struct TextBoxArgs {
    TwipsRect rect;
    // Wraps at its width.
    bool multiLine = false;
    // A text to read and select, not to edit, scrolled when it is longer
    // than the box.
    bool readOnly = false;
};

class TextBox : public Control {
public:
    // The box draws in the system's font until it is given one of its own.
    void create(ControlHost& host, const TextBoxArgs& args);

    std::wstring text() const;
    void setText(const std::wstring& text);

    const FontSpec& font() const { return font_.spec(); }
    // The whole font in one creation. The face drawn stays while the name
    // does, unless one is given.
    void setFont(const FontSpec& font);
    void setFont(const FontSpec& font, const std::optional<DrawnFace>& face);

    void onFormUnloaded() override { font_.release(); }

protected:
    bool usesFormFont() const override { return false; }
    ControlFont* ownFont() override { return &font_; }

private:
    ControlFont font_;
};
