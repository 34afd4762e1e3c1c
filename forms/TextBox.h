#pragma once
// A text box: an EDIT control with a font of its own.

#include <string>

#include "forms/Control.h"
#include "forms/ControlFont.h"

class TextBox : public Control {
public:
    // Multi-line boxes wrap at their width and have no scroll bars.
    void create(Form& form, const TwipsRect& rect, const FontSpec& font, bool multiLine);

    std::wstring text() const;
    void setText(const std::wstring& text);

    const FontSpec& font() const { return font_.spec(); }
    void setFontName(const std::wstring& name);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);
    void setFontSize(double points);
    // Draws this face instead of the one the font's name gives, until the
    // name changes.
    void setDrawnFace(const std::optional<DrawnFace>& face);

    void onFormUnloaded() override { font_.release(); }

protected:
    bool usesFormFont() const override { return false; }
    ControlFont* ownFont() override { return &font_; }

private:
    ControlFont font_;
};
