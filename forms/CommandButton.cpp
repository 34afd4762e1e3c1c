#include "forms/CommandButton.h"

void CommandButton::create(Form& form, const std::wstring& caption, const TwipsRect& rect, int id,
                           bool isDefault) {
    ControlArgs args;
    args.className = L"BUTTON";
    args.text = caption;
    args.style = WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    args.rect = rect;
    args.id = id;
    createWindow(form, args);
}

void CommandButton::click() {
    if (onClick) onClick();
}

// A click, by mouse or keyboard, raises onClick.
void CommandButton::onCommand(WORD code) {
    if (code == BN_CLICKED) click();
}
