#include "Placement.h"

#include <algorithm>

namespace vevove {

namespace {

int KeptOffset(int start, int size, int fromStart, int toStart, int toSize) {
    const int moved = toStart + (start - fromStart);
    return moved + size > toStart + toSize ? toStart + toSize - size : moved;
}

} // namespace

int CentredStart(int areaStart, int areaSize, int size) {
    return std::max(0, areaStart + (areaSize - size) / 2);
}

ScreenRect CentredOn(const ScreenRect& area, int width, int height) {
    return {CentredStart(area.left, area.width, width), CentredStart(area.top, area.height, height),
            width, height};
}

ScreenRect MovedToMonitor(const ScreenRect& window, const ScreenRect& from, const ScreenRect& to,
                          bool toBeCentred) {
    // Monitors may lie left of or above the primary one, so nothing is
    // raised to 0 here.
    if (toBeCentred) {
        return {to.left + (to.width - window.width) / 2, to.top + (to.height - window.height) / 2,
                window.width, window.height};
    }
    return {KeptOffset(window.left, window.width, from.left, to.left, to.width),
            KeptOffset(window.top, window.height, from.top, to.top, to.height), window.width,
            window.height};
}

} // namespace vevove
