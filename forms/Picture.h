#pragma once
// Pictures compiled into the executable (GIF, JPEG) as RCDATA resources,
// decoded with GDI+ once and drawn at their natural size over a background
// colour, so that transparent pixels show that colour. The result is a
// plain GDI bitmap: no GDI+ object outlives the decoding.

#include <windows.h>

#include "runtime/Handle.h"

struct Picture {
    BitmapHandle bitmap;
    SIZE size{};
};

// Raises error 51 (internal error) when the resource is missing or cannot
// be decoded, error 7 when memory runs out.
Picture loadPicture(int resourceId, COLORREF background);
