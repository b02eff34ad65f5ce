// The two ways to the desktop's icons, each used on the shell thread: the
// shell's folder view, the supported way to place them since Windows 10 1809
// keeps them in an icon manager of its own that list-view messages do not
// reach; and the list view in the shell's process, for a desktop whose
// folder view does not serve.
#pragma once

#include "ShellThread.h"

namespace vevove {

// The desktop's folder view; no session when it does not serve: no shell
// windows to ask, no desktop among them, or a view that does not give its
// items and their positions (as Wine's own desktop, which holds none).
void OpenFolderViewIcons(ShellSession& session);

// The list view of the desktop's "SHELLDLL_DefView", a child of "Progman"
// or of a top-level "WorkerW", wherever it stands among their children. No
// session, and no failure, when there is none: a window of any other class
// is never taken for it.
DesktopResult OpenListViewIcons(ShellSession& session);

} // namespace vevove
