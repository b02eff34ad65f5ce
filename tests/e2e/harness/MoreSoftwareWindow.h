// Opening the more-software window from the main window's glyph button.
#pragma once

#include <windows.h>

namespace e2e {

// Clicks the glyph button and waits for the window of class TFormFreeware;
// throws when it does not show.
HWND OpenMoreSoftware(DWORD processId, HWND glyphButton);

// A design value of the window's layout as the program must show it on this
// screen: scaled by the measured text height of its 11-pixel "Tahoma" / 13.
int OnMoreSoftwareScreen(int designValue);

} // namespace e2e
