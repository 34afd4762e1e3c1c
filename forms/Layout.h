#pragma once
// Positions and sizes are given in twips (1440 to the inch); windows are
// placed in pixels at the screen's actual resolution. Fonts are described
// by name, size in points and style, and created from that description.

#include <windows.h>

#include <string>

#include "runtime/Handle.h"

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

int screenDpi();
int twipsToPixels(int twips);
RECT pixelRect(const TwipsRect& twips);

struct FontSpec {
    std::wstring name = L"MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A Windows font name holds at most 31 characters; a longer name is cut.
FontHandle createFont(const FontSpec& spec);
