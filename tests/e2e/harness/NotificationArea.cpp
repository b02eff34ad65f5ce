#include "harness/NotificationArea.h"

#include "harness/Input.h"
#include "harness/Mouse.h"
#include "harness/Wait.h"

#include <stdexcept>

namespace e2e {

namespace {

constexpr int kSlotWidth = 20;

POINT FirstSlot() {
    RECT bar{};
    GetWindowRect(NotificationBar(), &bar);
    return POINT{bar.right - kSlotWidth / 2, (bar.top + bar.bottom) / 2};
}

void WaitUntilMenuCloses(DWORD processId) {
    if (!WaitUntil([&] { return MenuOfProcess(processId) == nullptr; })) {
        throw std::runtime_error("the icon's menu did not close");
    }
}

// The bar's tip windows outlive their icons: the one showing is the one.
HWND ShownTipWindow() {
    for (HWND tip = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr); tip != nullptr;
         tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) {
        if (GetWindow(tip, GW_OWNER) == NotificationBar() && IsWindowVisible(tip)) {
            return tip;
        }
    }
    return nullptr;
}

} // namespace

HWND NotificationBar() {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

bool NotificationIconShown() {
    HWND bar = NotificationBar();
    return bar != nullptr && IsWindowVisible(bar);
}

void ClickNotificationIcon() {
    ClickAt(FirstSlot());
}

void RightClickNotificationIcon() {
    RightClickAt(FirstSlot());
}

HWND OpenNotificationMenu(DWORD processId) {
    if (!WaitUntil(NotificationIconShown)) {
        throw std::runtime_error("the notification area shows no icon");
    }
    RightClickNotificationIcon();
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = MenuOfProcess(processId)) != nullptr; })) {
        throw std::runtime_error("the icon's menu did not open");
    }
    return menu;
}

void ChooseFromNotificationMenu(DWORD processId, int position) {
    OpenNotificationMenu(processId);
    for (int step = 0; step < position; ++step) {
        PressKeyOnKeyboard(VK_DOWN);
    }
    PressKeyOnKeyboard(VK_RETURN);
    WaitUntilMenuCloses(processId);
}

void CloseNotificationMenu(DWORD processId) {
    PressKeyOnKeyboard(VK_ESCAPE);
    WaitUntilMenuCloses(processId);
}

std::string NotificationTip() {
    MoveMouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
    if (!WaitUntil([] { return ShownTipWindow() == nullptr; })) {
        return {};
    }
    MoveMouseTo(FirstSlot());
    HWND tip = nullptr;
    if (!WaitUntil([&] { return (tip = ShownTipWindow()) != nullptr; })) {
        return {};
    }
    char text[256] = {};
    SendMessageTimeoutA(tip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

} // namespace e2e
