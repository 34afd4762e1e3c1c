#include "forms/CommandButton.h"

void CommandButton::create(ControlHost& host, const ButtonArgs& button) {
    ControlArgs args;
    args.className = L"BUTTON";
    args.text = button.caption;
    args.style = WS_TABSTOP | (button.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    args.rect = button.rect;
    args.id = button.id;
    createWindow(host, args);
}

void CommandButton::click() {
    if (onClick) onClick();
}

// A click, by mouse or keyboard, raises onClick.
void CommandButton::onCommand(WORD code) {
    if (code == BN_CLICKED) click();
}
