#include "windows/frmPreview.h"

#include <string>

#include "runtime/Text.h"
#include "windows/ToolWindow.h"

FormSettings frmPreview::settings() const { return toolWindowSettings(L"frmPreview", L"Full Preview", neighbour_); }

void frmPreview::createControls() {
    txtPreview.create(*this, TextBoxArgs{.rect = TwipsRect{120, 120, 6495, 4695}, .multiLine = true});
    sldFontSize.create(*this, TwipsRect{1440, 4920, 5175, 255}, SliderRange{8, 48, 12, 5, 1});
    sldFontSize.onScroll = [this] { sldFontSize_Scroll(); };
    lblfntsze.create(*this, L"Font Size:", TwipsRect{120, 4920, 1215, 255}, FontSpec{}, LabelStyle{SS_RIGHT});
}

namespace {
// The printable characters of the ANSI code page, each converted from its
// single byte: 33 to 126, then 128 to 255, with nothing between them.
std::wstring printableCharacters() {
    std::wstring characters;
    for (int code = 33; code <= 255; ++code) {
        if (code != 127) characters += fromAnsi(std::string(1, static_cast<char>(code)));
    }
    return characters;
}
}  // namespace

void frmPreview::ShowFor(const PreviewedFont& font, HWND neighbour) {
    if (!isLoaded()) {
        handed_ = font;
        neighbour_ = neighbour;
    }
    Show();
}

// Takes the handed font's name, bold and italic at 12 points, with the face
// it is drawn in (kept while this window is open), and fills in the
// characters. Font and text are each given at once: a multi-line box lays
// out its whole text again on every change.
void frmPreview::Form_Load() {
    FontSpec sample;
    sample.name = handed_.font.name;
    sample.bold = handed_.font.bold;
    sample.italic = handed_.font.italic;
    sample.points = 12;
    txtPreview.setFont(sample, handed_.face);
    // The window holds the face itself from now on.
    handed_.face.reset();
    lblfntsze.setCaption(L"Font Size: 12");
    txtPreview.setText(printableCharacters());
}

// The slider sets the characters' size and its caption.
void frmPreview::sldFontSize_Scroll() {
    int16_t size = static_cast<int16_t>(sldFontSize.value());
    FontSpec font = txtPreview.font();
    font.points = size;
    txtPreview.setFont(font);
    lblfntsze.setCaption(L"Font Size: " + std::to_wstring(size));
}
