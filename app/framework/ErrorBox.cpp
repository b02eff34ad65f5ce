#include "ErrorBox.h"

#include "Application.h"
#include "ErrorText.h"
#include "ScopeGuard.h"

#include <optional>
#include <vector>

namespace vevove {

namespace {

void MoveWithoutRedraw(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

// Moves the application's window to the centre of the monitor where the user
// works, so that the box it owns opens there. Returns where it was when it
// moved.
std::optional<RECT> MoveToMonitorOf(HWND applicationWindow, HWND activeWindow) {
    HMONITOR target = MonitorFromWindow(activeWindow, MONITOR_DEFAULTTONEAREST);
    if (activeWindow == nullptr ||
        target == MonitorFromWindow(applicationWindow, MONITOR_DEFAULTTONEAREST)) {
        return std::nullopt;
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(target, &monitor);
    RECT original = {};
    GetWindowRect(applicationWindow, &original);
    MoveWithoutRedraw(applicationWindow, (monitor.rcMonitor.left + monitor.rcMonitor.right) / 2,
                      (monitor.rcMonitor.top + monitor.rcMonitor.bottom) / 2);
    return original;
}

BOOL CALLBACK DisableIfShownAndEnabled(HWND window, LPARAM disabled) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

// Disables the program's visible, enabled top-level windows; returns them.
std::vector<HWND> DisableProgramWindows() {
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), DisableIfShownAndEnabled,
                      reinterpret_cast<LPARAM>(&disabled));
    return disabled;
}

BOOL CALLBACK FindShownTopmost(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// Whether one of the program's windows on the screen stays on top of the
// others (the more-software window, or an error box above it).
bool ShowsTopmostWindow() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindShownTopmost, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string ApplicationWindowTitle(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

} // namespace

// While the box is open the program's other windows are disabled; afterwards,
// however the box ends, the user gets back the window and control they were
// using, and the application window its place. The box, which alone takes
// input then, shows above every window of the program: while one of them
// stays on top of all others, the box does too; otherwise it is an ordinary
// window, which the user may put behind other programs.
void ShowErrorBox(Application& application, const std::exception& error) {
    const std::string text = ErrorBoxText(error.what());
    const std::string title = ApplicationWindowTitle(application.handle());
    HWND activeWindow = GetActiveWindow();
    const std::optional<RECT> movedFrom = MoveToMonitorOf(application.handle(), activeWindow);
    const ScopeGuard moveBack([&] {
        if (movedFrom) {
            MoveWithoutRedraw(application.handle(), movedFrom->left, movedFrom->top);
        }
    });
    HWND focus = GetFocus();
    // The system-modal box is an application-modal one that stays on top
    // (Wine heeds MB_TOPMOST not at all).
    const UINT stayOnTop = ShowsTopmostWindow() ? MB_SYSTEMMODAL : 0;
    const std::vector<HWND> disabled = DisableProgramWindows();
    const ScopeGuard giveBack([&] {
        for (HWND window : disabled) {
            EnableWindow(window, TRUE);
        }
        if (activeWindow != nullptr && IsWindow(activeWindow)) {
            SetActiveWindow(activeWindow);
        }
        if (focus != nullptr && IsWindow(focus)) {
            SetFocus(focus);
        }
    });
    MessageBoxA(application.handle(), text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP | stayOnTop);
}

} // namespace vevove
