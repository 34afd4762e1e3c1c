#pragma once
// Positions and sizes are given in twips (1440 to the inch); windows are
// placed in pixels at their own resolution, which can differ from one
// monitor to the next. Fonts are described by name, size in points and
// style, and created from that description at a given resolution.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "runtime/Handle.h"

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The resolution of the primary screen, in dots per inch.
int screenDpi();
// The resolution a window is drawn at: its monitor's with per-monitor
// awareness, else the screen's.
int windowDpi(HWND window);

// Twips to pixels at a resolution, rounded to the nearest pixel.
int twipsToPixels(int twips, int dpi);
// Each of left, top, width and height is rounded on its own.
RECT pixelRect(const TwipsRect& twips, int dpi);

struct FontSpec {
    std::wstring name = L"MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const FontSpec&) const = default;
};

// The face a control draws instead of the one its description names: a
// family, weight and slant of their own, at the description's size.
struct DrawnFace {
    std::wstring family;
    int weight = FW_NORMAL;
    bool italic = false;
    // Whatever must stay alive while the face is drawn (a font loaded for
    // this process only).
    std::shared_ptr<const void> keepAlive;
};

// The font's height in pixels at a resolution, rounded (negative: a
// character height, as LOGFONT takes it).
LONG fontHeight(double points, int dpi);
// A Windows font name holds at most 31 characters; a longer name is cut.
FontHandle createFont(const FontSpec& spec, int dpi, const std::optional<DrawnFace>& face = std::nullopt);
