// Colours as 0xRRGGBB, and whether a text in one colour can be read on
// another.
#pragma once

#include <cstdint>

namespace vevove {

using Colour = std::uint32_t;

// The contrast of two colours as the web's accessibility guidelines (WCAG)
// measure it: from 1, for colours of the same luminance, to 21, for black and
// white.
double ContrastRatio(Colour first, Colour second);

// The colour to draw a text, or the line of a control, in on `background`:
// `intended` while it stands out from the background, else `fallback`, the
// system's text colour for that background.
Colour ReadableOn(Colour background, Colour intended, Colour fallback);

} // namespace vevove
