#include "forms/Layout.h"

#include <cmath>

int screenDpi() {
    static const int dpi = [] {
        ScreenDC screen;
        int value = GetDeviceCaps(screen.get(), LOGPIXELSY);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int twipsToPixels(int twips) { return MulDiv(twips, screenDpi(), 1440); }

RECT pixelRect(const TwipsRect& twips) {
    int left = twipsToPixels(twips.left);
    int top = twipsToPixels(twips.top);
    return RECT{left, top, left + twipsToPixels(twips.width), top + twipsToPixels(twips.height)};
}

FontHandle createFont(const FontSpec& spec) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(spec.points * screenDpi() / 72.0));
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = spec.italic;
    font.lfUnderline = spec.underline;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    spec.name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return FontHandle(CreateFontIndirectW(&font));
}
