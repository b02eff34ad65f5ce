#include "harness/ProgramWindows.h"

#include <stdexcept>

namespace e2e {

namespace {

struct Search {
    DWORD processId;
    const std::string* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && ClassName(window) == *search.className) {
        search.found.push_back(window);
    }
    return TRUE;
}

// How long a window of the program may take to answer a message.
constexpr UINT kAnswerMs = 5000;

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const std::string& className) {
    Search search{processId, &className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForVisibleWindow(DWORD processId, const std::string& className, Milliseconds timeout) {
    HWND shown = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(processId, className)) {
                if (IsWindowVisible(window)) {
                    shown = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return shown;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Text(HWND window) {
    char text[4096] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kAnswerMs, &copied)) {
        throw std::runtime_error("window " + ClassName(window) + " does not answer WM_GETTEXT");
    }
    return std::string(text, copied);
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT PlaceInParent(HWND control) {
    RECT rect = ScreenRect(control);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace e2e
