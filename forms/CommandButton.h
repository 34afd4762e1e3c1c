#pragma once
// A push button. Its caption's ampersand gives the access key (Alt+C).

#include <functional>

#include "forms/Control.h"

class CommandButton : public Control {
public:
    void create(Form& form, const std::wstring& caption, const TwipsRect& rect, int id = 0,
                bool isDefault = false);

    // Runs the click event as a press of the button does.
    void click();
    std::function<void()> onClick;

    void onCommand(WORD code) override;
};
