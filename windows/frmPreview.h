#pragma once
// The windows floor, at the top (library kernwell_windows, built from
// main/, windows/ and app/, which know each other): windows/ holds the
// full preview, the About window and the web links.
//
// The full preview: the previewed font's printable characters in a text
// box, at a size chosen with a slider. The font is taken from the main
// window's preview label once, when the window loads.

#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Slider.h"
#include "forms/TextBox.h"

class frmPreview : public FormOf<frmPreview> {
public:
    TextBox txtPreview;
    Slider sldFontSize;
    Label lblfntsze;

protected:
    FormSettings settings() const override;
    void createControls() override;
    void Form_Load() override;

private:
    void sldFontSize_Scroll();
};
