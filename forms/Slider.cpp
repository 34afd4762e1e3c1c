#include "forms/Slider.h"

#include <commctrl.h>

void Slider::create(ControlHost& host, const TwipsRect& rect, const SliderRange& range) {
    ControlArgs args;
    args.className = TRACKBAR_CLASSW;
    args.style = WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM;
    args.rect = rect;
    createWindow(host, args);
    SendMessageW(hwnd(), TBM_SETRANGEMIN, FALSE, range.minimum);
    SendMessageW(hwnd(), TBM_SETRANGEMAX, FALSE, range.maximum);
    SendMessageW(hwnd(), TBM_SETPAGESIZE, 0, range.pageStep);
    SendMessageW(hwnd(), TBM_SETLINESIZE, 0, range.lineStep);
    // A tick at every page step: one at every position draws a line of
    // ticks that costs more than the text box it sizes.
    SendMessageW(hwnd(), TBM_SETTICFREQ, static_cast<WPARAM>(range.pageStep), 0);
    SendMessageW(hwnd(), TBM_SETPOS, TRUE, range.value);
}

int Slider::value() const { return static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0)); }

void Slider::handleScroll(WORD code) {
    if (code != TB_ENDTRACK && onScroll) onScroll();
}
