// Where a window goes when it is first shown or moved to another monitor.
// Sizes are outer sizes, in screen pixels.
#pragma once

namespace vevove {

struct ScreenRect {
    int left;
    int top;
    int width;
    int height;
};

// The left (or top) that centres a window of `size` on an area starting at
// `areaStart` of `areaSize`: divided truncating toward zero, raised to 0 if
// negative.
int CentredStart(int areaStart, int areaSize, int size);

// The window centred on the area, by the rule above.
ScreenRect CentredOn(const ScreenRect& area, int width, int height);

// A window on monitor `from` brought to monitor `to`: centred on it when the
// window is still to be centred; otherwise with its offset from the monitor's
// top-left corner kept, pulled back where it would reach past the right or
// bottom edge of `to`.
ScreenRect MovedToMonitor(const ScreenRect& window, const ScreenRect& from, const ScreenRect& to,
                          bool toBeCentred);

} // namespace vevove
