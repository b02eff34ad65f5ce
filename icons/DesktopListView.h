// Where the desktop's icons live: the list-view window of the desktop shell.
#pragma once

#include "ShellWindows.h"

namespace vevove {

// The list view under the "Progman" window (its first child's first child,
// whatever their classes); failing that, the "SysListView32" of the "WorkerW"
// window that holds the "SHELLDLL_DefView". 0 when there is neither.
WindowId FindDesktopListView(ShellWindows& windows);

} // namespace vevove
