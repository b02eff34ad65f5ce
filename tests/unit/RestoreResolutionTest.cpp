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

// The stored resolution belongs to the monitor that was primary at the save:
// the check with "Auto" and the button put it back only while that monitor is
// primary, and always where none was recorded.
TEST_F(RestoreResolutionTest, AutoActsOnlyOnItsMonitor) {
    const std::u16string laptop = u"\\\\?\\DISPLAY#LAP0001#4&1#{e6f07b5f}";
    const std::u16string dock = u"\\\\?\\DISPLAY#DEL4082#5&2#{e6f07b5f}";
    struct Case {
        const char* name;
        std::u16string savedOn; // empty: saved by an earlier version
        std::u16string primaryNow;
        bool restored;
    };
    const Case cases[] = {
        {"saved on this monitor", laptop, laptop, true},
        {"another monitor is primary", laptop, dock, false},
        {"device paths compare without case", u"\\\\?\\display#lap0001#4&1#{E6F07B5F}", laptop,
         true},
        {"no monitor recorded", u"", dock, true},
        {"the system names no primary monitor", laptop, u"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.settingsPath = kSettingsPath;
        boxes.width = "800";
        boxes.height = "600";
        boxes.autoChecked = true;
        display.primaryMonitor = c.savedOn;
        SaveResolution(resolution);
        display.primaryMonitor = c.primaryNow;
        for (void (*command)(Resolution&) : {CheckScreen, RestoreResolution}) {
            display.current = {1024, 768};
            command(resolution);
            EXPECT_EQ(display.current.width, c.restored ? 800 : 1024);
        }
    }
    // Saved where the system names none, the earlier record is forgotten.
    ASSERT_FALSE(registry.keys.at("Software\\VUD\\Vevove").empty());
    display.primaryMonitor.clear();
    SaveResolution(resolution);
    EXPECT_TRUE(registry.keys.at("Software\\VUD\\Vevove").empty());
}

} // namespace
} // namespace vevove::fake
