#include "DesktopListView.h"

namespace vevove {

namespace {

// A step that finds no window ends the search: the windows answer a zero
// parent with no child.
WindowId UnderProgman(ShellWindows& windows) {
    const WindowId progman = windows.FindTopLevel("Progman", 0);
    return windows.FindChild(windows.FindChild(progman, ""), "");
}

// Windows 10 and later move the icons' view under a top-level "WorkerW" window
// once the wallpaper has been animated.
WindowId UnderWorkerW(ShellWindows& windows) {
    WindowId worker = 0;
    while ((worker = windows.FindTopLevel("WorkerW", worker)) != 0) {
        const WindowId view = windows.FindChild(worker, "SHELLDLL_DefView");
        if (view != 0) {
            return windows.FindChild(view, "SysListView32");
        }
    }
    return 0;
}

} // namespace

WindowId FindDesktopListView(ShellWindows& windows) {
    const WindowId listView = UnderProgman(windows);
    return listView != 0 ? listView : UnderWorkerW(windows);
}

} // namespace vevove
