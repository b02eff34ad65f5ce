// Several monitors: a hidden window about to be shown while the program's
// active window lies on another monitor moves to that monitor first.
#pragma once

#include <windows.h>

namespace vevove {

// `toBeCentred`: the window is still to be centred at its first showing.
void MoveToMonitorOfActiveWindow(HWND window, bool toBeCentred);

} // namespace vevove
