// The primary screen's size as the tests see and set it.
#pragma once

namespace e2e {

bool ScreenIs(int width, int height);
// Switches the display to width x height for this session (not recorded as
// the user's setting) and waits until the screen has that size.
void SetScreen(int width, int height);

// For a test that changes the display: the desktop's own 1024 x 768 before
// it, and again once the test, and the programs it ended, are over.
class DesktopScreenSize {
  public:
    DesktopScreenSize() { SetScreen(1024, 768); }
    ~DesktopScreenSize() { SetScreen(1024, 768); }
    DesktopScreenSize(const DesktopScreenSize&) = delete;
    DesktopScreenSize& operator=(const DesktopScreenSize&) = delete;
};

} // namespace e2e
