// Drawing a bitmap button's glyph: the transparent colour, the greyed twin,
// and the places of glyph and caption.
#include "ButtonGlyph.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vevove {
namespace {

constexpr Colour kOlive = 0x808000;
constexpr Colour kGreen = 0x00A000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kFace = 0xF0F0F0;
constexpr Colour kShadow = 0xA0A0A0;

// 3 x 2: the lower-left pixel is the first of the second row.
Glyph Picture(std::vector<Colour> pixels, int width = 3) {
    Glyph glyph;
    glyph.width = width;
    glyph.height = static_cast<int>(pixels.size()) / width;
    glyph.pixels = std::move(pixels);
    return glyph;
}

TEST(ButtonGlyphTest, TransparentColourIsThatOfTheLowerLeftPixel) {
    EXPECT_EQ(TransparentColour(Picture({kGreen, kGreen, kGreen, kOlive, kGreen, kGreen})), kOlive);
    EXPECT_EQ(TransparentColour(Picture({kOlive, kOlive, kOlive, kWhite, kOlive, kOlive})), kWhite);
}

// A button face shading from top to bottom.
const Glyph kBackground = Picture({kFace, kFace, kFace, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0});

TEST(ButtonGlyphTest, EveryPixelOfTheTransparentColourShowsTheBackground) {
    const Glyph glyph = Picture({kWhite, kGreen, kWhite, kWhite, kOlive, kGreen});
    EXPECT_EQ(OnBackground(glyph, kBackground).pixels,
              (std::vector<Colour>{kFace, kGreen, kFace, 0xE0E0E0, kOlive, kGreen}));
}

TEST(ButtonGlyphTest, OnlyTheCornerIsTransparentWhenItsColourIsUnique) {
    const Glyph glyph = Picture({kGreen, kOlive, kGreen, 0x010203, kGreen, kOlive});
    EXPECT_EQ(OnBackground(glyph, kBackground).pixels,
              (std::vector<Colour>{kGreen, kOlive, kGreen, 0xE0E0E0, kGreen, kOlive}));
}

TEST(ButtonGlyphTest, StripGivesEachPictureWithItsOwnPixels) {
    // Two 2 x 2 pictures side by side.
    const Glyph strip = Picture({1, 2, 5, 6, 3, 4, 7, 8}, 4);
    EXPECT_EQ(GlyphFromStrip(strip, 2, 0).pixels, (std::vector<Colour>{1, 2, 3, 4}));
    EXPECT_EQ(GlyphFromStrip(strip, 2, 1).pixels, (std::vector<Colour>{5, 6, 7, 8}));
    EXPECT_EQ(GlyphFromStrip(strip, 2, 1).width, 2);
    EXPECT_EQ(GlyphFromStrip(strip, 1, 0).pixels, strip.pixels);
}

TEST(ButtonGlyphTest, GreyedGlyphDrawsDarkPixelsInTheShadowColour) {
    const Glyph glyph = Picture({kGreen, kWhite, 0x202020, kOlive, kOlive, 0xC8C8C8});
    EXPECT_EQ(GreyedOnBackground(glyph, kBackground, kShadow).pixels,
              (std::vector<Colour>{kShadow, kFace, kShadow, 0xE0E0E0, 0xE0E0E0, 0xE0E0E0}));
}

TEST(ButtonGlyphTest, GlyphAndCaptionAreCentredTogetherFourPixelsApart) {
    // 16 + 4 + 30 = 50 on a 150 x 30 button: starts at 50.
    const GlyphAndCaption placed = PlaceGlyphAndCaption(150, 30, 16, 16, 30, 13);
    EXPECT_EQ(placed.glyph.x, 50);
    EXPECT_EQ(placed.glyph.y, 7);
    EXPECT_EQ(placed.caption.x, 70);
    EXPECT_EQ(placed.caption.y, 8);
}

TEST(ButtonGlyphTest, GlyphWithoutCaptionIsCentred) {
    const GlyphAndCaption placed = PlaceGlyphAndCaption(30, 30, 16, 16, 0, 13);
    EXPECT_EQ(placed.glyph.x, 7);
    EXPECT_EQ(placed.glyph.y, 7);
}

} // namespace
} // namespace vevove
