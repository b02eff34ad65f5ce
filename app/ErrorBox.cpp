#include "app/ErrorBox.h"

#include "app/Application.h"
#include "app/ErrorText.h"

#include <vector>

namespace vevove {

namespace {

// Moves the application's window to the centre of the monitor where the
// user works, so that the box it owns opens there; moves it back afterwards.
class BoxOnActiveMonitor {
  public:
    BoxOnActiveMonitor(HWND applicationWindow, HWND activeWindow)
        : applicationWindow_(applicationWindow) {
        HMONITOR target = MonitorFromWindow(activeWindow, MONITOR_DEFAULTTONEAREST);
        if (activeWindow == nullptr ||
            target == MonitorFromWindow(applicationWindow, MONITOR_DEFAULTTONEAREST)) {
            return;
        }
        MONITORINFO monitor = {};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(target, &monitor);
        GetWindowRect(applicationWindow, &original_);
        moved_ = true;
        Move((monitor.rcMonitor.left + monitor.rcMonitor.right) / 2,
             (monitor.rcMonitor.top + monitor.rcMonitor.bottom) / 2);
    }
    ~BoxOnActiveMonitor() {
        if (moved_) {
            Move(original_.left, original_.top);
        }
    }
    BoxOnActiveMonitor(const BoxOnActiveMonitor&) = delete;
    BoxOnActiveMonitor& operator=(const BoxOnActiveMonitor&) = delete;

  private:
    void Move(int left, int top) {
        SetWindowPos(applicationWindow_, nullptr, left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }

    HWND applicationWindow_;
    RECT original_ = {};
    bool moved_ = false;
};

// Disables the program's visible, enabled top-level windows while the box is
// open and gives the user back the window and control they were using.
class DisabledProgramWindows {
  public:
    explicit DisabledProgramWindows(HWND activeWindow)
        : activeWindow_(activeWindow), focus_(GetFocus()) {
        EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(&disabled_));
    }
    ~DisabledProgramWindows() {
        for (HWND window : disabled_) {
            EnableWindow(window, TRUE);
        }
        if (activeWindow_ != nullptr && IsWindow(activeWindow_)) {
            SetActiveWindow(activeWindow_);
        }
        if (focus_ != nullptr && IsWindow(focus_)) {
            SetFocus(focus_);
        }
    }
    DisabledProgramWindows(const DisabledProgramWindows&) = delete;
    DisabledProgramWindows& operator=(const DisabledProgramWindows&) = delete;

  private:
    static BOOL CALLBACK Disable(HWND window, LPARAM list) {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            EnableWindow(window, FALSE);
        }
        return TRUE;
    }

    HWND activeWindow_;
    HWND focus_;
    std::vector<HWND> disabled_;
};

std::string ApplicationWindowTitle(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

} // namespace

void ShowErrorBox(Application& application, const std::exception& error) {
    const std::string text = ErrorBoxText(error.what());
    const std::string title = ApplicationWindowTitle(application.handle());
    HWND activeWindow = GetActiveWindow();
    const BoxOnActiveMonitor placement(application.handle(), activeWindow);
    const DisabledProgramWindows disabled(activeWindow);
    MessageBoxA(application.handle(), text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
}

} // namespace vevove
