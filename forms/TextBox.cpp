#include "forms/TextBox.h"

void TextBox::create(Form& form, const TwipsRect& rect, const FontSpec& font, bool multiLine) {
    ControlArgs args;
    args.className = L"EDIT";
    args.style = WS_TABSTOP | (multiLine ? ES_MULTILINE | ES_WANTRETURN : ES_AUTOHSCROLL);
    args.exStyle = WS_EX_CLIENTEDGE;
    args.rect = rect;
    createWindow(form, args);
    font_.apply(hwnd(), font);
}

std::wstring TextBox::text() const { return windowText(hwnd()); }

void TextBox::setText(const std::wstring& text) { SetWindowTextW(hwnd(), text.c_str()); }

void TextBox::setFontName(const std::wstring& name) {
    font_.change(hwnd(), [&](FontSpec& font) { font.name = name; });
}

void TextBox::setFontBold(bool bold) {
    font_.change(hwnd(), [&](FontSpec& font) { font.bold = bold; });
}

void TextBox::setFontItalic(bool italic) {
    font_.change(hwnd(), [&](FontSpec& font) { font.italic = italic; });
}

void TextBox::setFontSize(double points) {
    font_.change(hwnd(), [&](FontSpec& font) { font.points = points; });
}

void TextBox::setDrawnFace(const std::optional<DrawnFace>& face) { font_.setDrawnFace(hwnd(), face); }
