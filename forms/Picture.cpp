#include "forms/Picture.h"

#include <memory>

#include "forms/GdiPlus.h"
#include "runtime/RuntimeError.h"

namespace {
struct ReleaseFn {
    void operator()(IStream* stream) const { stream->Release(); }
};

// A stream over a copy of the resource's bytes.
std::unique_ptr<IStream, ReleaseFn> resourceStream(int resourceId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) raiseError(err::Internal);
    DWORD size = SizeofResource(module, found);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) raiseError(err::OutOfMemory);
    memcpy(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        raiseError(err::OutOfMemory);
    }
    return std::unique_ptr<IStream, ReleaseFn>(stream);
}
}  // namespace

Picture loadPicture(int resourceId, COLORREF background) {
    auto stream = resourceStream(resourceId);
    Gdiplus::Bitmap image(stream.get());
    if (image.GetLastStatus() != Gdiplus::Ok) raiseError(err::Internal);
    Picture picture;
    picture.size = SIZE{static_cast<LONG>(image.GetWidth()), static_cast<LONG>(image.GetHeight())};

    Gdiplus::Bitmap canvas(picture.size.cx, picture.size.cy, PixelFormat32bppRGB);
    {
        Gdiplus::Graphics graphics(&canvas);
        graphics.Clear(Gdiplus::Color(GetRValue(background), GetGValue(background), GetBValue(background)));
        graphics.DrawImage(&image, 0, 0, picture.size.cx, picture.size.cy);
    }
    HBITMAP bitmap = nullptr;
    if (canvas.GetHBITMAP(Gdiplus::Color(0, 0, 0), &bitmap) != Gdiplus::Ok) raiseError(err::OutOfMemory);
    picture.bitmap.reset(bitmap);
    return picture;
}
