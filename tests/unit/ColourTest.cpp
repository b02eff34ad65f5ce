// How far two colours stand apart, and the colour a fixed text colour gives
// way to on a face where it would not show.
#include "Colour.h"

#include <gtest/gtest.h>

namespace vevove {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kPurple = 0x800080;
constexpr Colour kNavy = 0x000080;
// The button faces of Wine and of classic Windows.
constexpr Colour kWineFace = 0xF5F5F5;
constexpr Colour kClassicFace = 0xD4D0C8;
// The system's button text in a high-contrast scheme.
constexpr Colour kSchemeText = 0xFFFF00;

TEST(ContrastRatioTest, RunsFromOneForEqualLuminanceToTwentyOneForBlackAndWhite) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kPurple, kPurple), 1.0, 1e-9);
}

TEST(ReadableOnTest, KeepsTheIntendedColourOnlyWhileItStandsOut) {
    const struct {
        const char* name;
        Colour background;
        Colour intended;
        Colour drawn;
    } cases[] = {
        {"purple link on Wine's face", kWineFace, kPurple, kPurple},
        {"navy heading on the classic face", kClassicFace, kNavy, kNavy},
        {"black text on the classic face", kClassicFace, kBlack, kBlack},
        {"purple link on a black face", kBlack, kPurple, kSchemeText},
        {"navy heading on a black face", kBlack, kNavy, kSchemeText},
        {"black text on a black face", kBlack, kBlack, kSchemeText},
        // The faintest grey that passes on white (4.54), and the next (4.48).
        {"grey #767676 on white", kWhite, 0x767676, 0x767676},
        {"grey #777777 on white", kWhite, 0x777777, kSchemeText},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadableOn(c.background, c.intended, kSchemeText), c.drawn) << c.name;
    }
}

} // namespace
} // namespace vevove
