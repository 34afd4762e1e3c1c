#include "windows/frmPreview.h"

#include <string>

#include "main/frmKernwell.h"
#include "runtime/Text.h"

FormSettings frmPreview::settings() const {
    FormSettings settings;
    settings.className = L"frmPreview";
    settings.caption = L"Full Preview";
    settings.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    settings.exStyle = WS_EX_TOOLWINDOW;
    settings.clientWidth = 6735;
    settings.clientHeight = 5280;
    settings.taskbarButton = false;
    if (frmKernwell::instanceExists()) settings.beside = frmKernwell::instance().hwnd();
    return settings;
}

void frmPreview::createControls() {
    FontSpec sampleFont;
    sampleFont.points = 12;
    txtPreview.create(*this, TwipsRect{120, 120, 6495, 4695}, sampleFont, true);
    sldFontSize.create(*this, TwipsRect{1440, 4920, 5175, 255}, SliderRange{8, 48, 12, 5, 1});
    sldFontSize.onScroll = [this] { sldFontSize_Scroll(); };
    lblfntsze.create(*this, L"Font Size:", TwipsRect{120, 4920, 1215, 255}, FontSpec{}, LabelStyle{SS_RIGHT});
}

// Takes the preview label's font at 12 points and fills in the characters.
void frmPreview::Form_Load() {
    const Label& preview = frmKernwell::previewLabel();
    const FontSpec& current = preview.font();
    txtPreview.setFontName(current.name);
    txtPreview.setFontBold(current.bold);
    txtPreview.setFontItalic(current.italic);
    // A name that is not installed is drawn in the face the label draws it
    // with, kept while this window is open.
    if (preview.drawnFace()) txtPreview.setDrawnFace(preview.drawnFace());
    txtPreview.setFontSize(12);
    lblfntsze.setCaption(L"Font Size: 12");
    // The printable characters of the ANSI code page, one byte each: 33 to
    // 126, then 128 to 255, with nothing between them.
    for (int code = 33; code <= 255; ++code) {
        if (code == 127) continue;
        txtPreview.setText(txtPreview.text() + fromAnsi(std::string(1, static_cast<char>(code))));
    }
}

// The slider sets the characters' size and its caption.
void frmPreview::sldFontSize_Scroll() {
    int16_t size = static_cast<int16_t>(sldFontSize.value());
    txtPreview.setFontSize(size);
    lblfntsze.setCaption(L"Font Size: " + std::to_wstring(size));
}
