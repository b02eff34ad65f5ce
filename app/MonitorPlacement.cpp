#include "MonitorPlacement.h"

#include "Placement.h"

namespace vevove {

namespace {

ScreenRect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

ScreenRect MonitorArea(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return FromRect(info.rcMonitor);
}

} // namespace

void MoveToMonitorOfActiveWindow(HWND window, bool toBeCentred) {
    HWND active = GetActiveWindow();
    if (active == nullptr || active == window) {
        return;
    }
    HMONITOR target = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
    HMONITOR current = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (target == current) {
        return;
    }
    RECT bounds;
    GetWindowRect(window, &bounds);
    const ScreenRect moved =
        MovedToMonitor(FromRect(bounds), MonitorArea(current), MonitorArea(target), toBeCentred);
    SetWindowPos(window, nullptr, moved.left, moved.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace vevove
