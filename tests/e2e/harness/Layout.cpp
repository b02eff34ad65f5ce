#include "harness/Layout.h"

namespace e2e {

namespace {

constexpr int kDesignDensity = 96;
constexpr int kDesignTextHeight = 13;
constexpr int kDesignFontHeight = 11;

int MeasuredTextHeight() {
    HDC screen = GetDC(nullptr);
    const int density = GetDeviceCaps(screen, LOGPIXELSY);
    HFONT font = CreateFontA(-MulDiv(kDesignFontHeight, density, kDesignDensity), 0, 0, 0,
                             FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

// A value of the designed layout as the program must show it on this screen.
int OnScreen(int designValue) {
    static const int textHeight = MeasuredTextHeight();
    return MulDiv(designValue, textHeight, kDesignTextHeight);
}

} // namespace

RECT PlaceOnScreen(int left, int top, int width, int height) {
    const int screenLeft = OnScreen(left);
    const int screenTop = OnScreen(top);
    return RECT{screenLeft, screenTop, screenLeft + OnScreen(width), screenTop + OnScreen(height)};
}

} // namespace e2e
