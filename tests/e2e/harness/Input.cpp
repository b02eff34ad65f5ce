#include "harness/Input.h"

#include "harness/Wait.h"

#include <stdexcept>

namespace e2e {

namespace {

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageA(window, message, wParam, lParam)) {
        throw std::runtime_error("cannot post a message to the program");
    }
}

// Repeat count 1 and the key's scan code, as the keyboard driver fills them in.
LPARAM KeyData(WORD virtualKey, bool release) {
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    LPARAM data = 1 | (scanCode << 16);
    if (release) {
        data |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    }
    return data;
}

void SendKey(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    if (SendInput(1, &input, sizeof input) != 1) {
        throw std::runtime_error("cannot send keyboard input");
    }
}

} // namespace

void Click(HWND button) {
    Post(button, BM_CLICK, 0, 0);
}

void SetText(HWND edit, const std::string& text) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, 5000, &result) ||
        !result) {
        throw std::runtime_error("the edit box does not take the text \"" + text + "\"");
    }
}

bool IsChecked(HWND checkBox) {
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutA(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state)) {
        throw std::runtime_error("the check box does not answer BM_GETCHECK");
    }
    return state == BST_CHECKED;
}

HWND FocusedWindow(HWND anyWindowOfTheProgram) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(anyWindowOfTheProgram, nullptr);
    if (!GetGUIThreadInfo(thread, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool HasFocusIn(HWND topLevelWindow) {
    HWND focus = FocusedWindow(topLevelWindow);
    return focus != nullptr && GetAncestor(focus, GA_ROOT) == topLevelWindow;
}

void PressKey(HWND window, WORD virtualKey) {
    Post(window, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    // The key going down may already have closed the window.
    PostMessageA(window, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

void PressKeyAndWaitHandled(HWND window, WORD virtualKey, HWND markerButton) {
    PressKey(window, virtualKey);
    Post(markerButton, BM_SETSTATE, TRUE, 0);
    const bool handled = WaitUntil([&] {
        DWORD_PTR state = 0;
        return SendMessageTimeoutA(markerButton, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG, 1000,
                                   &state) != 0 &&
               (state & BST_PUSHED) != 0;
    });
    PostMessageA(markerButton, BM_SETSTATE, FALSE, 0);
    if (!handled) {
        throw std::runtime_error("the program did not handle the key in time");
    }
}

void RequestClose(HWND window) {
    Post(window, WM_CLOSE, 0, 0);
}

void RestoreFromTaskbar(HWND applicationWindow) {
    Post(applicationWindow, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void SystemCommandAndWait(HWND window, WPARAM command) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
        throw std::runtime_error("the program did not handle the window command in time");
    }
}

void TypeOnKeyboard(const std::string& text) {
    for (char character : text) {
        PressKeyOnKeyboard(LOBYTE(VkKeyScanA(character)));
    }
}

void PressKeyOnKeyboard(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

HWND MenuOfProcess(DWORD processId) {
    for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu != nullptr;
         menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
        DWORD menuProcess = 0;
        GetWindowThreadProcessId(menu, &menuProcess);
        if (menuProcess == processId && IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

namespace {

HWND MenuOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return MenuOfProcess(processId);
}

void WaitUntilMenuCloses(HWND window) {
    if (!WaitUntil([&] { return MenuOf(window) == nullptr; })) {
        throw std::runtime_error("the system menu did not close");
    }
}

} // namespace

HWND OpenSystemMenu(HWND window) {
    SetForegroundWindow(window);
    if (!WaitUntil([&] { return HasFocusIn(window); })) {
        throw std::runtime_error("the window did not take the keyboard");
    }
    SendKey(VK_MENU, false);
    PressKeyOnKeyboard(VK_SPACE);
    SendKey(VK_MENU, true);
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = MenuOf(window)) != nullptr; })) {
        throw std::runtime_error("the system menu did not open");
    }
    return menu;
}

void CloseMenu(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_CANCELMODE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    WaitUntilMenuCloses(window);
}

void ChooseFromSystemSubmenu(HWND window, int fromTheBottom, int item) {
    OpenSystemMenu(window);
    for (int step = 0; step < fromTheBottom; ++step) {
        PressKeyOnKeyboard(VK_UP);
    }
    PressKeyOnKeyboard(VK_RIGHT);
    for (int step = 0; step < item; ++step) {
        PressKeyOnKeyboard(VK_DOWN);
    }
    PressKeyOnKeyboard(VK_RETURN);
    WaitUntilMenuCloses(window);
}

void ChooseFromSystemMenu(HWND window, int fromTheBottom) {
    OpenSystemMenu(window);
    for (int step = 0; step < fromTheBottom; ++step) {
        PressKeyOnKeyboard(VK_UP);
    }
    PressKeyOnKeyboard(VK_RETURN);
    WaitUntilMenuCloses(window);
}

} // namespace e2e
