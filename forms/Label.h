#pragma once
// A label: a STATIC control with a font of its own, described by name, size
// and style, which the program reads and sets as a whole. A label with a
// click handler also notifies clicks and may show its own cursor.

#include <functional>

#include "forms/Control.h"
#include "forms/ControlFont.h"

struct LabelStyle {
    DWORD alignment = SS_LEFT;  // SS_LEFT, SS_CENTER or SS_RIGHT
    COLORREF textColor = CLR_INVALID;  // CLR_INVALID: the system's text colour
    bool transparent = false;
    bool clickable = false;
    HCURSOR cursor = nullptr;
    // Width follows the caption's text.
    bool autoSize = false;
};

class Label : public Control {
public:
    void create(ControlHost& host, const std::wstring& caption, const TwipsRect& rect, const FontSpec& font = {},
                const LabelStyle& style = {});

    std::wstring caption() const;
    void setCaption(const std::wstring& caption);

    const FontSpec& font() const { return font_.spec(); }
    // The face drawn instead of the one the font's name gives, if any.
    const std::optional<DrawnFace>& drawnFace() const { return font_.drawnFace(); }
    // The whole font in one creation; the face drawn stays while the name
    // does. An empty name is refused with error 380 (invalid property value).
    void setFont(const FontSpec& font);
    // The whole font, the face to draw it with, then the caption, with one
    // font creation and one repaint. As when the font's properties are set
    // one by one with the name last, an empty name is refused with error 380
    // after the rest of the font was taken, and the caption stays.
    void setFontAndCaption(const FontSpec& font, const std::optional<DrawnFace>& face,
                           const std::wstring& caption);

    std::function<void()> onClick;

    void onCommand(WORD code) override;
    HBRUSH onColor(HDC dc) override;
    HCURSOR cursor() const override { return style_.cursor; }
    void onFormUnloaded() override { font_.release(); }
    void applyDpi(int dpi) override;

protected:
    bool usesFormFont() const override { return false; }
    ControlFont* ownFont() override { return &font_; }

private:
    void fitToText();

    ControlFont font_;
    LabelStyle style_;
};
