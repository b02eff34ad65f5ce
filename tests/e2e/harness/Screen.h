// The primary screen's size as the tests see and set it.
#pragma once

namespace e2e {

bool ScreenIs(int width, int height);
// Switches the display to width x height for this session (not recorded as
// the user's setting) and waits until the screen has that size.
void SetScreen(int width, int height);

} // namespace e2e
