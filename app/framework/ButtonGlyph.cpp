#include "ButtonGlyph.h"

namespace vevove {

namespace {

constexpr int kGlyphCaptionGap = 4;
// Pixels darker than this (by their mean of red, green and blue) are drawn in
// the shadow colour when a glyph is greyed.
constexpr int kDarkBelow = 192;

int Brightness(Colour colour) {
    const int red = static_cast<int>((colour >> 16) & 0xFF);
    const int green = static_cast<int>((colour >> 8) & 0xFF);
    const int blue = static_cast<int>(colour & 0xFF);
    return (red + green + blue) / 3;
}

} // namespace

Colour TransparentColour(const Glyph& glyph) {
    return glyph.at(0, glyph.height - 1);
}

Glyph GlyphFromStrip(const Glyph& strip, int count, int index) {
    Glyph glyph;
    glyph.width = strip.width / count;
    glyph.height = strip.height;
    glyph.pixels.reserve(static_cast<std::size_t>(glyph.width) *
                         static_cast<std::size_t>(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            glyph.pixels.push_back(strip.at(index * glyph.width + x, y));
        }
    }
    return glyph;
}

Glyph OnBackground(const Glyph& glyph, const Glyph& background) {
    const Colour transparent = TransparentColour(glyph);
    Glyph result = glyph;
    for (std::size_t i = 0; i < result.pixels.size(); ++i) {
        if (result.pixels[i] == transparent) {
            result.pixels[i] = background.pixels[i];
        }
    }
    return result;
}

Glyph GreyedOnBackground(const Glyph& glyph, const Glyph& background, Colour shadow) {
    const Colour transparent = TransparentColour(glyph);
    Glyph result = background;
    for (std::size_t i = 0; i < result.pixels.size(); ++i) {
        const Colour pixel = glyph.pixels[i];
        if (pixel != transparent && Brightness(pixel) < kDarkBelow) {
            result.pixels[i] = shadow;
        }
    }
    return result;
}

GlyphAndCaption PlaceGlyphAndCaption(int buttonWidth, int buttonHeight, int glyphWidth,
                                     int glyphHeight, int captionWidth, int captionHeight) {
    const int gap = captionWidth > 0 ? kGlyphCaptionGap : 0;
    const int left = (buttonWidth - (glyphWidth + gap + captionWidth)) / 2;
    GlyphAndCaption placed;
    placed.glyph = {left, (buttonHeight - glyphHeight) / 2};
    placed.caption = {left + glyphWidth + gap, (buttonHeight - captionHeight) / 2};
    return placed;
}

} // namespace vevove
