// The desktop's icons through the shell's folder view, the supported way to
// place them since Windows 10 1809 keeps them in an icon manager of its own
// that list-view messages do not reach. Used on the shell thread.
#pragma once

#include "ShellThread.h"

namespace vevove {

// The desktop's folder view; no session when it does not serve: no shell
// windows to ask, no desktop among them, or a view that does not give its
// items and their positions (as Wine's own desktop, which holds none).
void OpenFolderViewIcons(ShellSession& session);

} // namespace vevove
