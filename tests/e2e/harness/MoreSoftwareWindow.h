// Opening the more-software window from the main window's glyph button.
#pragma once

#include <windows.h>

namespace e2e {

// Clicks the glyph button and waits for the more-software window to show;
// throws when it does not show.
HWND OpenMoreSoftware(DWORD processId, HWND glyphButton);

} // namespace e2e
