// The mouse of the test's desktop, moved and clicked as a user would, and the
// cursor it shows.
#pragma once

#include <windows.h>

namespace e2e {

// The middle of the window, in screen coordinates.
POINT Middle(HWND window);

void MoveMouseTo(POINT point);

// Moves the mouse there and clicks the left button.
void ClickAt(POINT point);

// The same with the right button.
void RightClickAt(POINT point);
// The cursor the desktop shows now.
HCURSOR CurrentCursor();

} // namespace e2e
