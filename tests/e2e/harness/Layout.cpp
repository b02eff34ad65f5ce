#include "harness/Layout.h"

namespace e2e {

namespace {

constexpr int kDesignDensity = 96;
constexpr int kDesignTextHeight = 13;
constexpr int kDesignFontHeight = 11;

// A font selected into the screen's device context for a measurement. It is
// measured in the tests' own process: a font of a given pixel height has the
// same metrics in a process of any density.
class MeasuringFont {
  public:
    MeasuringFont(int pixelHeight, const char* faceName, int weight)
        : font_(CreateFontA(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            faceName)),
          screen_(GetDC(nullptr)), previous_(SelectObject(screen_, font_)) {}
    ~MeasuringFont() {
        SelectObject(screen_, previous_);
        ReleaseDC(nullptr, screen_);
        DeleteObject(font_);
    }
    MeasuringFont(const MeasuringFont&) = delete;
    MeasuringFont& operator=(const MeasuringFont&) = delete;

    HDC dc() const { return screen_; }

  private:
    HFONT font_;
    HDC screen_;
    HGDIOBJ previous_;
};

} // namespace

Layout::Layout(int dotsPerInch, const char* faceName)
    : fontHeight_(MulDiv(kDesignFontHeight, dotsPerInch, kDesignDensity)), faceName_(faceName) {
    const MeasuringFont font(fontHeight_, faceName_, FW_NORMAL);
    TEXTMETRICA metrics{};
    GetTextMetricsA(font.dc(), &metrics);
    textHeight_ = metrics.tmHeight;
}

int Layout::Scaled(int designValue) const {
    return MulDiv(designValue, textHeight_, kDesignTextHeight);
}

RECT Layout::Place(int left, int top, int width, int height) const {
    const int screenLeft = Scaled(left);
    const int screenTop = Scaled(top);
    return RECT{screenLeft, screenTop, screenLeft + Scaled(width), screenTop + Scaled(height)};
}

SIZE Layout::TextExtent(const char* text, int weight) const {
    const MeasuringFont font(fontHeight_, faceName_, weight);
    SIZE extent{};
    GetTextExtentPoint32A(font.dc(), text, lstrlenA(text), &extent);
    return extent;
}

} // namespace e2e
