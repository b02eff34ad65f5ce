// How a bitmap button draws its glyph: the colour of the glyph's lower-left
// pixel is transparent and shows the button beneath; a glyph strip may hold a
// greyed twin for the disabled state; glyph and caption are centred together.
#pragma once

#include "Colour.h"

#include <vector>

namespace vevove {

// Pixels row by row from the top.
struct Glyph {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    Colour at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The transparent colour: that of the lower-left pixel.
Colour TransparentColour(const Glyph& glyph);

// Picture `index` of a strip of `count` pictures of equal width side by side.
Glyph GlyphFromStrip(const Glyph& strip, int count, int index);

// The glyph drawn over `background` (what the button shows beneath it, of the
// glyph's size): its transparent pixels show the background.
Glyph OnBackground(const Glyph& glyph, const Glyph& background);

// A greyed glyph made from a picture that has no greyed twin: its dark pixels
// drawn in the shadow colour, the rest showing the background.
Glyph GreyedOnBackground(const Glyph& glyph, const Glyph& background, Colour shadow);

struct Point {
    int x;
    int y;
};

struct GlyphAndCaption {
    Point glyph;
    Point caption;
};

// Where glyph and caption go on a button of the given size: side by side,
// 4 pixels apart, centred together; a glyph without caption is centred.
GlyphAndCaption PlaceGlyphAndCaption(int buttonWidth, int buttonHeight, int glyphWidth,
                                     int glyphHeight, int captionWidth, int captionHeight);

} // namespace vevove
