// Fonts and control placement of the forms. Layouts are designed for 96 dots
// per inch with a text height of 13 pixels: the form's font grows with the
// screen density, and the controls grow with the measured text height.
#pragma once

#include "GdiOwners.h"

#include <windows.h>

namespace vevove {

constexpr int kDesignTextHeight = 13;

// A label (class "Static" with SS_LEFT) sizes itself to its one-line text;
// every other control takes the size given.
struct ControlLayout {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
};

// A font of `pixelHeight` pixels at 96 dots per inch, scaled to the screen.
Font CreateScaledFont(const char* faceName, int pixelHeight, int weight = FW_NORMAL,
                      bool underline = false);

// The extent of a one-line text in that font, and the height of a line.
SIZE MeasureText(HFONT font, const char* text);
int MeasureTextHeight(HFONT font);

// A design value scaled by the measured text height.
inline int ScaleToText(int value, int textHeight) {
    return MulDiv(value, textHeight, kDesignTextHeight);
}

// Grows a form's outer size with its controls when its text is not 13 pixels
// high (at screen densities above 96 dots per inch), so that none is cut off.
void ScaleFormToText(HWND form, HFONT font);

// Creates the controls in the order given, which is their tab order.
void CreateControls(HWND parent, const ControlLayout* controls, int count, HFONT font);

} // namespace vevove
