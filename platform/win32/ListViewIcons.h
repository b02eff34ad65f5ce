// The desktop's icons through its list view in the shell's process: the way
// for a desktop whose folder view does not serve. Used on the shell thread.
#pragma once

#include "ShellThread.h"

namespace vevove {

// The list view of the desktop's "SHELLDLL_DefView", a child of "Progman"
// or of a top-level "WorkerW", wherever it stands among their children. No
// session, and no failure, when there is none: a window of any other class
// is never taken for it.
DesktopResult OpenListViewIcons(ShellSession& session);

} // namespace vevove
