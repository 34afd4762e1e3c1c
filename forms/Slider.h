#pragma once
// A horizontal slider of the common controls (msctls_trackbar32) over a
// range of whole numbers. Every movement by the user, dragging, clicking
// beside the thumb or keys, raises onScroll.

#include <functional>

#include "forms/Control.h"

struct SliderRange {
    int minimum = 0;
    int maximum = 10;
    int value = 0;
    int pageStep = 2;
    int lineStep = 1;
};

class Slider : public Control {
public:
    void create(ControlHost& host, const TwipsRect& rect, const SliderRange& range);

    int value() const;

    std::function<void()> onScroll;

    void handleScroll(WORD code) override;
};
