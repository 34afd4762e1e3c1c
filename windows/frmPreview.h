#pragma once
// The full preview: the previewed font's printable characters in a text
// box, at a size chosen with a slider. The main window hands it the font it
// previews when it opens it; the window takes it once, when it loads.

#include <optional>

#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Slider.h"
#include "forms/TextBox.h"

// What the main window's preview label shows: its font (of which the name,
// bold and italic count here) and the face it draws that font with.
struct PreviewedFont {
    FontSpec font;
    std::optional<DrawnFace> face;
};

class frmPreview : public FormOf<frmPreview> {
public:
    TextBox txtPreview;
    Slider sldFontSize;
    Label lblfntsze;

    // Shows the window beside the neighbour, loading it with the font given
    // when it is not loaded. A loaded window is only brought forward and
    // keeps the font it was loaded with.
    void ShowFor(const PreviewedFont& font, HWND neighbour);

protected:
    FormSettings settings() const override;
    void createControls() override;
    void Form_Load() override;

private:
    void sldFontSize_Scroll();

    // Handed over for the next load.
    PreviewedFont handed_;
    HWND neighbour_ = nullptr;
};
