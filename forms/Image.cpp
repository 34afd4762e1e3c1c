#include "forms/Image.h"

void Image::create(ControlHost& host, const ImageArgs& image) {
    picture_ = loadPicture(image.pictureId, host.backgroundColor());
    ControlArgs args;
    args.className = L"STATIC";
    // Stretched to the control, whose twips are the picture's size at 96 DPI,
    // so that the picture keeps its size in twips at any resolution.
    args.style = SS_BITMAP | SS_REALSIZECONTROL | (image.clickable ? SS_NOTIFY : 0);
    args.rect = image.rect;
    createWindow(host, args);
    SendMessageW(hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.bitmap.get()));
}

// A click on the picture raises onClick.
void Image::onCommand(WORD code) {
    if (code == STN_CLICKED && onClick) onClick();
}
