#include "icons/DesktopListView.h"

namespace vevove {

namespace {

// A zero window is never passed on as a parent: the system would take it for
// the desktop and hand back an unrelated top-level window.
WindowHandle FirstChild(Platform& os, WindowHandle parent, const std::string& className = "") {
    return parent == 0 ? 0 : os.findChildWindow(parent, 0, className);
}

WindowHandle UnderProgman(Platform& os) {
    const WindowHandle progman = os.findWindow("Progman");
    return FirstChild(os, FirstChild(os, progman));
}

// Windows 10 and later move the icons' view under a top-level "WorkerW" window
// once the wallpaper has been animated.
WindowHandle UnderWorkerW(Platform& os) {
    WindowHandle worker = 0;
    while ((worker = os.findChildWindow(0, worker, "WorkerW")) != 0) {
        const WindowHandle view = FirstChild(os, worker, "SHELLDLL_DefView");
        if (view != 0) {
            return FirstChild(os, view, "SysListView32");
        }
    }
    return 0;
}

} // namespace

WindowHandle FindDesktopListView(Platform& os) {
    const WindowHandle listView = UnderProgman(os);
    return listView != 0 ? listView : UnderWorkerW(os);
}

} // namespace vevove
