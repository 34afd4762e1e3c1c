#pragma once
// The splash window: the program's picture in a borderless white window.
// A second after it loads, or at once on a character key or a click on the
// picture, it hands over to the main window and closes.

#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Timer.h"

class frmSplash : public FormOf<frmSplash> {
public:
    Timer Timer1{1000};
    Image Image1;

protected:
    FormSettings settings() const override;
    void createControls() override;
    void Form_KeyPress(wchar_t character) override;

private:
    void Timer1_Timer();
    void Image1_Click();
    void handOver();
};
