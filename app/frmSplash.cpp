#include "app/frmSplash.h"

#include "main/frmKernwell.h"
#include "resources/resource.h"

FormSettings frmSplash::settings() const {
    FormSettings settings;
    settings.className = L"frmSplash";
    settings.style = WS_POPUP;
    settings.clientWidth = 5535;
    settings.clientHeight = 2460;
    settings.taskbarButton = false;
    settings.background = RGB(255, 255, 255);
    // Every key's character goes to Form_KeyPress, Enter and Esc included.
    settings.dialogKeys = false;
    return settings;
}

void frmSplash::createControls() {
    addTimer(Timer1);
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Image1.create(*this, ImageArgs{.pictureId = IDP_SPLASH, .rect = TwipsRect{120, 0, 5250, 2355}, .clickable = true});
    Image1.onClick = [this] { Image1_Click(); };
}

// The second on show is up: the main window takes over.
void frmSplash::Timer1_Timer() { handOver(); }

// Any key cuts the splash short.
void frmSplash::Form_KeyPress(wchar_t /*character*/) { handOver(); }

// A click on the picture cuts the splash short.
void frmSplash::Image1_Click() { handOver(); }

// Showing the main window runs its whole start-up first. A tick inside a
// message box of that start-up runs a second hand-over, which only makes the
// loading window visible and closes this one; the first then finds this
// window unloaded already.
void frmSplash::handOver() {
    frmKernwell::instance().Show();
    Unload();
}
