#include "Colour.h"

#include <algorithm>
#include <cmath>

namespace vevove {

namespace {

// The guidelines' least contrast for ordinary text.
constexpr double kLeastReadableContrast = 4.5;

// One channel of 0 to 255, from the sRGB curve back to linear light.
double LinearChannel(Colour colour, int shift) {
    const double value = static_cast<double>((colour >> shift) & 0xFF) / 255.0;
    // The power as exp and log, which the system's C library has: its pow
    // comes from the compiler's, a few kilobytes of its own.
    return value <= 0.04045 ? value / 12.92 : std::exp(2.4 * std::log((value + 0.055) / 1.055));
}

double RelativeLuminance(Colour colour) {
    return 0.2126 * LinearChannel(colour, 16) + 0.7152 * LinearChannel(colour, 8) +
           0.0722 * LinearChannel(colour, 0);
}

} // namespace

double ContrastRatio(Colour first, Colour second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A fixed colour that the system's scheme has made unreadable (purple or black
// on a black face) gives way to the system's own choice.
Colour ReadableOn(Colour background, Colour intended, Colour fallback) {
    return ContrastRatio(intended, background) >= kLeastReadableContrast ? intended : fallback;
}

} // namespace vevove
