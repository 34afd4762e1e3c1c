#include "forms/Label.h"

#include "runtime/RuntimeError.h"

void Label::create(ControlHost& host, const std::wstring& caption, const TwipsRect& rect, const FontSpec& font,
                   const LabelStyle& style) {
    style_ = style;
    ControlArgs args;
    args.className = L"STATIC";
    args.text = caption;
    args.style = style.alignment | SS_NOPREFIX | (style.clickable ? SS_NOTIFY : 0);
    args.rect = rect;
    createWindow(host, args);
    setFont(font);
}

std::wstring Label::caption() const { return windowText(hwnd()); }

void Label::setCaption(const std::wstring& caption) {
    SetWindowTextW(hwnd(), caption.c_str());
    fitToText();
}

void Label::setFontAndCaption(const FontSpec& font, const std::optional<DrawnFace>& face,
                              const std::wstring& caption) {
    if (font.name.empty()) {
        FontSpec unnamed = font;
        unnamed.name = font_.spec().name;
        if (unnamed != font_.spec()) setFont(unnamed);
        raiseError(err::InvalidProperty);
    }
    // Setting the caption repaints the label, with the new font.
    font_.apply(hwnd(), font, face, false);
    setCaption(caption);
}

void Label::setFont(const FontSpec& font) {
    font_.apply(hwnd(), font);
    fitToText();
}

void Label::fitToText() {
    // After its form unloaded the label has no window to fit.
    if (!style_.autoSize || !hwnd()) return;
    std::wstring text = caption();
    ScreenDC screen;
    ScopedSelect select(screen.get(), font_.handle());
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    // A right-aligned label keeps its right edge, any other its left edge.
    RECT bounds;
    GetWindowRect(hwnd(), &bounds);
    MapWindowPoints(nullptr, GetParent(hwnd()), reinterpret_cast<POINT*>(&bounds), 2);
    int left = style_.alignment == SS_RIGHT ? bounds.right - extent.cx : bounds.left;
    SetWindowPos(hwnd(), nullptr, left, bounds.top, extent.cx, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The caption's width changes with the font, so it is fitted again.
void Label::applyDpi(int dpi) {
    Control::applyDpi(dpi);
    fitToText();
}

// A click on a clickable label raises onClick.
void Label::onCommand(WORD code) {
    if (code == STN_CLICKED && onClick) onClick();
}

// The label's text colour and transparency, on the form's background.
HBRUSH Label::onColor(HDC dc) {
    if (style_.textColor != CLR_INVALID) SetTextColor(dc, style_.textColor);
    if (style_.transparent) SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, host()->backgroundColor());
    return host()->backgroundBrush();
}
