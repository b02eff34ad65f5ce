// The choice of the display mode a resolution change asks for.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vevove {

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

} // namespace vevove
