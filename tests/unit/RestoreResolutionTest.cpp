// "Restore resolution": which stored sizes are requested, and that it is the
// stored size, not the boxes, that is.
#include "ResolutionFixture.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vevove::fake {
namespace {

using Mode = std::pair<std::uint32_t, std::uint32_t>;

class RestoreResolutionTest : public ResolutionFixture {};

TEST_F(RestoreResolutionTest, RequestsOnlyStoredSizesOfAtLeast640By480) {
    struct Case {
        std::uint16_t width;
        std::uint16_t height;
        bool requested;
        ScreenSize after;
    };
    const Case cases[] = {
        {639, 1024, false, {1024, 768}},
        {1024, 479, false, {1024, 768}},
        {0, 0, false, {1024, 768}},
        {640, 480, true, {640, 480}},
        {800, 600, true, {800, 600}},
        // The largest stored size is requested, and its refusal taken silently.
        {65535, 65535, true, {1024, 768}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        display.current = {1024, 768};
        display.changes.clear();
        state.savedWidth = c.width;
        state.savedHeight = c.height;
        RestoreResolution(resolution);
        const std::vector<Mode> requested =
            c.requested ? std::vector<Mode>{{c.width, c.height}} : std::vector<Mode>{};
        EXPECT_EQ(display.changes, requested);
        EXPECT_EQ(display.current.width, c.after.width);
        EXPECT_EQ(display.current.height, c.after.height);
    }
}

TEST_F(RestoreResolutionTest, UsesTheStoredSizeNotTheBoxes) {
    state.savedWidth = 800;
    state.savedHeight = 600;
    state.settingsPath = kSettingsPath;
    boxes.width = "1280";
    boxes.height = "1024";
    RestoreResolution(resolution);
    // Saved, the boxes are the stored size.
    SaveResolution(resolution);
    RestoreResolution(resolution);
    EXPECT_EQ(display.changes, (std::vector<Mode>{{800, 600}, {1280, 1024}}));
}

} // namespace
} // namespace vevove::fake
