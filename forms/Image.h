#pragma once
// An image control: a STATIC control showing a picture from the resources
// at its natural size, scaled with the screen's resolution as the layout
// is; a click on the picture raises onClick.

#include <functional>

#include "forms/Control.h"
#include "forms/Picture.h"

struct ImageArgs {
    int pictureId = 0;  // a picture of the resources
    TwipsRect rect;
    bool clickable = false;
};

class Image : public Control {
public:
    void create(ControlHost& host, const ImageArgs& image);

    SIZE pictureSize() const { return picture_.size; }

    std::function<void()> onClick;

    void onCommand(WORD code) override;
    void onFormUnloaded() override { picture_ = Picture{}; }

protected:
    bool usesFormFont() const override { return false; }

private:
    Picture picture_;
};
