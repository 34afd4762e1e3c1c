#include "forms/Layout.h"

#include <cmath>

#include "runtime/Text.h"

int screenDpi() {
    static const int dpi = [] {
        ScreenDC screen;
        int value = GetDeviceCaps(screen.get(), LOGPIXELSY);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

// GetDpiForWindow exists from Windows 10 1607 on: looked up at run time so
// that the program still starts on Windows 7.
int windowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : screenDpi();
}

int twipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

RECT pixelRect(const TwipsRect& twips, int dpi) {
    int left = twipsToPixels(twips.left, dpi);
    int top = twipsToPixels(twips.top, dpi);
    return RECT{left, top, left + twipsToPixels(twips.width, dpi), top + twipsToPixels(twips.height, dpi)};
}

LONG fontHeight(double points, int dpi) { return -static_cast<LONG>(std::lround(points * dpi / 72.0)); }

FontHandle createFont(const FontSpec& spec, int dpi, const std::optional<DrawnFace>& face) {
    LOGFONTW font{};
    font.lfHeight = fontHeight(spec.points, dpi);
    font.lfWeight = face ? face->weight : spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = face ? face->italic : spec.italic;
    font.lfUnderline = spec.underline;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    (face ? face->family : spec.name).copy(font.lfFaceName, FontNameLimit);
    return FontHandle(CreateFontIndirectW(&font));
}
