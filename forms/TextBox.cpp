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
    FontSpec spec = font();
    spec.name = name;
    font_.apply(hwnd(), spec);
}

void TextBox::setFontBold(bool bold) {
    FontSpec spec = font();
    spec.bold = bold;
    font_.apply(hwnd(), spec);
}

void TextBox::setFontItalic(bool italic) {
    FontSpec spec = font();
    spec.italic = italic;
    font_.apply(hwnd(), spec);
}

void TextBox::setFontSize(double points) {
    FontSpec spec = font();
    spec.points = points;
    font_.apply(hwnd(), spec);
}
