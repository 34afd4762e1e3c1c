#include "forms/TextBox.h"

void TextBox::create(ControlHost& host, const TextBoxArgs& args) {
    ControlArgs control;
    control.className = L"EDIT";
    control.style = WS_TABSTOP | (args.multiLine ? ES_MULTILINE | ES_WANTRETURN : ES_AUTOHSCROLL) |
                    (args.readOnly ? ES_READONLY | WS_VSCROLL : 0);
    control.exStyle = WS_EX_CLIENTEDGE;
    control.rect = args.rect;
    createWindow(host, control);
}

std::wstring TextBox::text() const { return windowText(hwnd()); }

void TextBox::setText(const std::wstring& text) { SetWindowTextW(hwnd(), text.c_str()); }

void TextBox::setFont(const FontSpec& font) { font_.apply(hwnd(), font); }

void TextBox::setFont(const FontSpec& font, const std::optional<DrawnFace>& face) {
    font_.apply(hwnd(), font, face, true);
}
