#include "NotificationArea.h"

#include <shellapi.h>

#include <functional>

namespace {

// Vevove's main window class and the id of its icon, which other programs
// may rely on.
constexpr char kVevoveMainWindowClass[] = "TForm1";
constexpr UINT kVevoveIconId = 1;

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& condition) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

} // namespace

HWND NotificationBar() {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

bool NotificationBarShown() {
    HWND bar = NotificationBar();
    return bar != nullptr && IsWindowVisible(bar);
}

// A modification that changes nothing: the shell accepts it only for an icon
// that it holds.
bool HoldsNotificationIcon(HWND owner, UINT id) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool WaitForVevoveIcon(const LaunchedProgram& vevove, DWORD timeoutMs) {
    bool ended = false;
    const bool held = WaitUntil(timeoutMs, [&] {
        ended = vevove.hasEnded();
        HWND main = ended ? nullptr : vevove.findWindow(kVevoveMainWindowClass);
        return ended || (main != nullptr && HoldsNotificationIcon(main, kVevoveIconId));
    });
    return held && !ended;
}

bool WaitUntilNotificationBarShown(DWORD timeoutMs) {
    return WaitUntil(timeoutMs, NotificationBarShown);
}

bool WaitUntilNotificationBarHidden(DWORD timeoutMs) {
    return WaitUntil(timeoutMs, [] { return !NotificationBarShown(); });
}
