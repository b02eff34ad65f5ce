// The system's colours changed while the object lives, and set back after.
// Under Wine a process reads the system's colours once, when it starts: a
// change that another process makes reaches only the programs started after
// it. A running program sees it when it makes the change itself, which the
// hook library loaded into it does on request (hook/SystemColoursHook.cpp).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct SystemColour {
    int element; // COLOR_...
    COLORREF colour;
};

// A high-contrast scheme: black button faces and windows, yellow button text
// and cyan window text, so that the colour of a text tells which system
// colour it was drawn in.
constexpr COLORREF kDarkFace = RGB(0, 0, 0);
constexpr COLORREF kDarkButtonText = RGB(255, 255, 0);
constexpr COLORREF kDarkWindowText = RGB(0, 255, 255);
const std::vector<SystemColour>& DarkScheme();

class SystemColours {
  public:
    // For the programs started from now on.
    explicit SystemColours(const std::vector<SystemColour>& scheme);
    // Also at once in the running program that `programWindow` belongs to.
    SystemColours(const std::vector<SystemColour>& scheme, HWND programWindow);
    ~SystemColours();

    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

  private:
    void Set(const std::vector<SystemColour>& colours) const;

    std::vector<SystemColour> previous_;
    HWND programWindow_ = nullptr;
    HMODULE hookLibrary_ = nullptr;
    HHOOK hook_ = nullptr;
};

// Visual styles off for the programs started while the object lives, as
// Windows turns them off in a high-contrast scheme: controls are drawn in the
// classic look, in the system's colours. Wine otherwise draws them with its
// own style.
class VisualStylesOff {
  public:
    VisualStylesOff();
    ~VisualStylesOff();

    VisualStylesOff(const VisualStylesOff&) = delete;
    VisualStylesOff& operator=(const VisualStylesOff&) = delete;

  private:
    std::optional<std::string> previous_;
};

// True when the window shows pixels of the text colour on the face colour.
bool ShowsTextOn(HWND window, COLORREF text, COLORREF face);

} // namespace e2e
