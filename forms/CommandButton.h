#pragma once
// A push button. Its caption's ampersand gives the access key (Alt+C).

#include <functional>
#include <string>

#include "forms/Control.h"

struct ButtonArgs {
    std::wstring caption;
    TwipsRect rect;
    int id = 0;  // 0: the host assigns one
    // Drawn as the button that Enter presses.
    bool isDefault = false;
};

class CommandButton : public Control {
public:
    void create(ControlHost& host, const ButtonArgs& button);

    // Runs the click event as a press of the button does.
    void click();
    std::function<void()> onClick;

    void onCommand(WORD code) override;
};
