// The display as the resolution logic uses it.
#pragma once

#include <cstdint>

namespace vevove {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class Display {
  public:
    virtual ~Display() = default;

    // The primary screen's size in pixels.
    virtual ScreenSize CurrentSize() = 0;

    // Switches the default display to width x height, recorded as the user's
    // setting. When the display offers that size at the colour depth and
    // refresh rate in force, the mode keeps both; otherwise every other field
    // of the mode is left to the driver. True when the change was made.
    virtual bool ChangeMode(std::uint32_t width, std::uint32_t height) = 0;
};

} // namespace vevove
