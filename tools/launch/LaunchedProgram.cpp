#include "LaunchedProgram.h"

#include <stdexcept>
#include <vector>

namespace {

struct WindowSearch {
    DWORD processId;
    const std::string* title;
    HWND found;
};

bool HasArea(HWND window) {
    RECT rect;
    return GetWindowRect(window, &rect) && rect.right > rect.left && rect.bottom > rect.top;
}

bool HasTitle(HWND window, const std::string& title) {
    if (title.empty()) {
        return true;
    }
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return title == text;
}

BOOL CALLBACK MatchShownWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && HasArea(window) &&
        HasTitle(window, *search.title)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.first) {
        search.second.push_back(window);
    }
    return TRUE;
}

} // namespace

LaunchedProgram::LaunchedProgram(const std::string& path, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
        throw std::runtime_error("cannot start " + path);
    }
}

LaunchedProgram::~LaunchedProgram() {
    if (!close(5000)) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND LaunchedProgram::waitForWindow(DWORD timeoutMs, const std::string& title) const {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    WindowSearch search{info_.dwProcessId, &title, nullptr};
    while (GetTickCount64() < deadline) {
        EnumWindows(MatchShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            return search.found;
        }
        if (WaitForSingleObject(info_.hProcess, 1) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

HWND LaunchedProgram::findWindow(const std::string& className) const {
    for (HWND window = FindWindowExA(nullptr, nullptr, className.c_str(), nullptr);
         window != nullptr; window = FindWindowExA(nullptr, window, className.c_str(), nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == info_.dwProcessId) {
            return window;
        }
    }
    return nullptr;
}

bool LaunchedProgram::close(DWORD timeoutMs) {
    if (hasEnded()) {
        return true;
    }
    std::pair<DWORD, std::vector<HWND>> windows{info_.dwProcessId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows.second) {
        if (IsWindowVisible(window)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool LaunchedProgram::terminate(DWORD timeoutMs) {
    if (hasEnded()) {
        return true;
    }
    TerminateProcess(info_.hProcess, 1);
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
