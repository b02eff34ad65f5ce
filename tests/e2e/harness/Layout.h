// Where the main window's controls belong on this screen. The layout is
// designed for 96 dots per inch and a text height of 13 pixels; the window's
// font, "MS Sans Serif" 11 pixels high, grows with the screen density, and
// where its measured text height is not 13 the program scales every control's
// place and size by (measured text height / 13).
#pragma once

#include <windows.h>

namespace e2e {

// A control's designed place and size (left, top, width, height) on this screen.
RECT PlaceOnScreen(int left, int top, int width, int height);

} // namespace e2e
