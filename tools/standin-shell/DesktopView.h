// The desktop's shell view as the folder view serves it: one object that is
// the IShellView and the IFolderView2 of the list view's icons, whose folder
// is an IShellFolder that names them. Positions come from and go to the icon
// manager (IconManager.h); automatic arrangement is the list view's
// LVS_AUTOARRANGE style bit.
#pragma once

#include "StandinFolderView.h"

#include <shobjidl.h>

// A new view with one reference, the caller's.
IShellView* NewDesktopView(const FolderViewWindows& windows);
