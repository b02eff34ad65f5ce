#include "Display.h"

namespace vevove {

std::optional<DisplayMode> ModeKeepingRate(const DisplayMode& current,
                                           const std::vector<DisplayMode>& offered,
                                           std::uint32_t width, std::uint32_t height) {
    for (const DisplayMode& mode : offered) {
        if (mode.width == width && mode.height == height &&
            mode.bitsPerPixel == current.bitsPerPixel && mode.frequency == current.frequency) {
            return mode;
        }
    }
    return std::nullopt;
}

} // namespace vevove
