#include "Display.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vevove {
namespace {

struct ModeCase {
    std::string name;
    DisplayMode current;
    std::vector<DisplayMode> offered;
    std::uint32_t width;
    std::uint32_t height;
    std::optional<DisplayMode> expected;
};

// Modes as a driver lists them: not sorted, sizes and rates interleaved.
const std::vector<DisplayMode> kModes = {
    {1920, 1080, 32, 60}, {1920, 1080, 32, 144}, {1920, 1080, 16, 60}, {1280, 720, 32, 60},
    {1280, 720, 16, 60},  {1280, 720, 32, 144},  {1024, 768, 32, 60},  {1280, 720, 16, 144},
};

using Mode = DisplayMode;

TEST(DisplayModes, TheNewSizeKeepsTheColourDepthAndRefreshRateInForce) {
    const std::vector<ModeCase> cases = {
        {"144 Hz kept", {1920, 1080, 32, 144}, kModes, 1280, 720, Mode{1280, 720, 32, 144}},
        {"60 Hz kept", {1920, 1080, 32, 60}, kModes, 1280, 720, Mode{1280, 720, 32, 60}},
        {"16 bits kept", {1920, 1080, 16, 144}, kModes, 1280, 720, Mode{1280, 720, 16, 144}},
        {"same size again", {1920, 1080, 32, 144}, kModes, 1920, 1080, Mode{1920, 1080, 32, 144}},
        {"size without that rate", {1920, 1080, 32, 144}, kModes, 1024, 768, std::nullopt},
        {"size not offered", {1920, 1080, 32, 60}, kModes, 800, 600, std::nullopt},
        {"depth not offered", {1920, 1080, 24, 60}, kModes, 1280, 720, std::nullopt},
        {"nothing offered", {1920, 1080, 32, 60}, {}, 1920, 1080, std::nullopt},
    };
    for (const ModeCase& c : cases) {
        const std::optional<DisplayMode> chosen =
            ModeKeepingRate(c.current, c.offered, c.width, c.height);
        ASSERT_EQ(chosen.has_value(), c.expected.has_value()) << c.name;
        if (chosen) {
            EXPECT_EQ(chosen->width, c.expected->width) << c.name;
            EXPECT_EQ(chosen->height, c.expected->height) << c.name;
            EXPECT_EQ(chosen->bitsPerPixel, c.expected->bitsPerPixel) << c.name;
            EXPECT_EQ(chosen->frequency, c.expected->frequency) << c.name;
        }
    }
}

} // namespace
} // namespace vevove
