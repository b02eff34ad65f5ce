#include "harness/SystemColours.h"

#include "harness/ScreenPixels.h"
#include "hook/SystemColoursHook.h"

#include <stdexcept>

namespace e2e {

namespace {

// How long the program may take to set a colour and repaint its windows.
constexpr UINT kAnswerMs = 5000;

std::vector<SystemColour> Current(const std::vector<SystemColour>& scheme) {
    std::vector<SystemColour> current;
    for (const SystemColour& colour : scheme) {
        current.push_back({colour.element, GetSysColor(colour.element)});
    }
    return current;
}

constexpr const char* kThemeManagerKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
constexpr const char* kThemeActiveValue = "ThemeActive";

std::optional<std::string> ThemeActive() {
    char value[16] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kThemeManagerKey, kThemeActiveValue, RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(value);
}

void SetThemeActive(const std::optional<std::string>& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kThemeManagerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot open the theme manager's key");
    }
    LSTATUS result = ERROR_SUCCESS;
    if (value) {
        result = RegSetValueExA(key, kThemeActiveValue, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value->c_str()),
                                static_cast<DWORD>(value->size() + 1));
    } else {
        RegDeleteValueA(key, kThemeActiveValue);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) {
        throw std::runtime_error("cannot turn the visual styles on or off");
    }
}

} // namespace

const std::vector<SystemColour>& DarkScheme() {
    static const std::vector<SystemColour> scheme = {
        {COLOR_BTNFACE, kDarkFace},
        {COLOR_BTNTEXT, kDarkButtonText},
        {COLOR_WINDOW, kDarkFace},
        {COLOR_WINDOWTEXT, kDarkWindowText},
    };
    return scheme;
}

SystemColours::SystemColours(const std::vector<SystemColour>& scheme) : previous_(Current(scheme)) {
    Set(scheme);
}

SystemColours::SystemColours(const std::vector<SystemColour>& scheme, HWND programWindow)
    : previous_(Current(scheme)), programWindow_(programWindow) {
    hookLibrary_ = LoadLibraryA(kSystemColoursHookLibrary);
    if (hookLibrary_) {
        // Through void*: the address is that of a hook procedure.
        const auto procedure = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(hookLibrary_, kSystemColoursHookProcedure)));
        hook_ = procedure ? SetWindowsHookExA(WH_CALLWNDPROC, procedure, hookLibrary_,
                                              GetWindowThreadProcessId(programWindow, nullptr))
                          : nullptr;
    }
    if (!hook_) {
        if (hookLibrary_) {
            FreeLibrary(hookLibrary_);
        }
        throw std::runtime_error("cannot hook the program to change its system colours");
    }
    Set(scheme);
}

SystemColours::~SystemColours() {
    Set(previous_);
    if (hook_) {
        UnhookWindowsHookEx(hook_);
        FreeLibrary(hookLibrary_);
    }
}

// Here, and in the program through its hook: each message has been handled
// when it returns.
void SystemColours::Set(const std::vector<SystemColour>& colours) const {
    std::vector<int> elements;
    std::vector<COLORREF> values;
    for (const SystemColour& colour : colours) {
        elements.push_back(colour.element);
        values.push_back(colour.colour);
    }
    SetSysColors(static_cast<int>(elements.size()), elements.data(), values.data());
    if (!hook_) {
        return;
    }
    static const UINT setColour = RegisterWindowMessageA(kSetSystemColourMessage);
    for (const SystemColour& colour : colours) {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(programWindow_, setColour, static_cast<WPARAM>(colour.element),
                            static_cast<LPARAM>(colour.colour), SMTO_ABORTIFHUNG, kAnswerMs,
                            &result);
    }
}

VisualStylesOff::VisualStylesOff() : previous_(ThemeActive()) {
    SetThemeActive("0");
}

VisualStylesOff::~VisualStylesOff() {
    try {
        SetThemeActive(previous_);
    } catch (const std::exception&) {
        // The programs started next draw in the classic look; their tests say so.
    }
}

bool ShowsTextOn(HWND window, COLORREF text, COLORREF face) {
    const ScreenPixels pixels(window);
    return pixels.Count([&](COLORREF c) { return c == text; }) > 0 &&
           pixels.Count([&](COLORREF c) { return c == face; }) > 0;
}

} // namespace e2e
