// The display as the resolution logic uses it, and the choice of the mode a
// resolution change asks for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vevove {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A monitor in force: where it lies on the virtual screen (the primary one's
// top left corner is 0, 0), in pixels, and its scaling.
struct Monitor {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    unsigned dpi = 96; // effective dots per inch: 96 is 100 %
};

struct DisplayMode {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t frequency = 0; // refresh rate in hertz
};

// The first of the offered modes (in the driver's order) that is width x
// height with the colour depth and refresh rate of the mode in force; none
// when the display offers no such mode.
std::optional<DisplayMode> ModeKeepingRate(const DisplayMode& current,
                                           const std::vector<DisplayMode>& offered,
                                           std::uint32_t width, std::uint32_t height);

class Display {
  public:
    virtual ~Display() = default;

    // The primary screen's size in pixels.
    virtual ScreenSize CurrentSize() = 0;
    // Every monitor in force, in the system's order.
    virtual std::vector<Monitor> Monitors() = 0;
    // An identity of the primary monitor that stays the same across restarts
    // and whichever port it hangs on (the monitor's device path); empty when
    // the system names none.
    virtual std::u16string PrimaryMonitor() = 0;

    // Switches the default display to width x height, recorded as the user's
    // setting. When the display offers that size at the colour depth and
    // refresh rate in force, the mode keeps both; otherwise every other field
    // of the mode is left to the driver. True when the change was made.
    virtual bool ChangeMode(std::uint32_t width, std::uint32_t height) = 0;
};

} // namespace vevove
