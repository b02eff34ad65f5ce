// Where a window's controls belong when Vevove runs at a given screen density.
// Layouts are designed for 96 dots per inch and a text height of 13 pixels; a
// window's font, 11 pixels high at 96 dots per inch, grows with the density,
// and where its measured text height is not 13 the program scales every
// control's place and size by (measured text height / 13). Labels take the
// size of their text.
#pragma once

#include <windows.h>

namespace e2e {

class Layout {
  public:
    // The layout of a window whose font is `faceName`, for a program running
    // at `dotsPerInch`.
    Layout(int dotsPerInch, const char* faceName);

    // A design value as the program must show it.
    int Scaled(int designValue) const;
    // A control's designed place and size (left, top, width, height).
    RECT Place(int left, int top, int width, int height) const;
    // The extent of a one-line text in the window's font, regular or bold.
    SIZE TextExtent(const char* text, int weight = FW_NORMAL) const;

  private:
    int fontHeight_;
    const char* faceName_;
    int textHeight_;
};

} // namespace e2e
