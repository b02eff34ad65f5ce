// Finding the windows of the program under test and reading them from outside
// its process.
#pragma once

#include "harness/Wait.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The program's top-level windows of a class, hidden ones included.
std::vector<HWND> TopLevelWindows(DWORD processId, const std::string& className);

// The program's first top-level window of the class that is visible; nullptr
// when none shows in time.
HWND WaitForVisibleWindow(DWORD processId, const std::string& className,
                          Milliseconds timeout = kTimeout);

// The direct child windows, in z-order (which is the order of creation).
std::vector<HWND> ChildWindows(HWND parent);

std::string ClassName(HWND window);
// The window's current text, asked of its own process (WM_GETTEXT), so that
// edit boxes give what they show.
std::string Text(HWND window);

// The window's place and size on the screen, frame included.
RECT ScreenRect(HWND window);
// A control's place and size relative to its parent's client area.
RECT PlaceInParent(HWND control);

} // namespace e2e
