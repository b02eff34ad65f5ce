// "Restore resolution": which stored sizes are requested, and the exact
// record and flags that reach the display.
#include "platform/DisplayMode.h"
#include "tests/unit/MainWindowTest.h"

#include <cstdint>

namespace vevove::fake {
namespace {

class DisplayModeChangeTest : public MainWindowTest {
  protected:
    void restore(std::uint16_t width, std::uint16_t height) {
        form.SavedWidth = width;
        form.SavedHeight = height;
        form.Button1Click();
    }
    std::size_t requests() const { return os.display.requests().size(); }
};

TEST_F(DisplayModeChangeTest, RequestsNothingBelow640By480) {
    restore(639, 1024);
    restore(1024, 479);
    restore(0, 0);
    EXPECT_EQ(requests(), 0u);
    EXPECT_EQ(os.calls.count("EnumDisplaySettingsA"), 0);
}

TEST_F(DisplayModeChangeTest, Requests640By480AndSwitches) {
    restore(640, 480);
    ASSERT_EQ(requests(), 1u);
    EXPECT_EQ(os.display.width(), 640);
    EXPECT_EQ(os.display.height(), 480);
}

TEST_F(DisplayModeChangeTest, RequestsTheLargestStoredSizeAndTakesTheRefusalSilently) {
    restore(65535, 65535);
    ASSERT_EQ(requests(), 1u);
    const DisplayMode& sent = os.display.requests()[0].mode;
    EXPECT_EQ(sent.get<std::uint32_t>(DisplayMode::kPelsWidthOffset), 65535u);
    EXPECT_EQ(sent.get<std::uint32_t>(DisplayMode::kPelsHeightOffset), 65535u);
    EXPECT_EQ(os.display.width(), 1024);
    EXPECT_FALSE(form.AnotherScreen(65535, 65535));
}

TEST_F(DisplayModeChangeTest, SendsModeZeroWithOnlyWidthAndHeightRequested) {
    restore(800, 600);
    ASSERT_EQ(requests(), 1u);
    const FakeDisplay::Request& request = os.display.requests()[0];
    EXPECT_EQ(request.flags, kCdsUpdateRegistry);

    // Mode 0 of the driver as it was read, with only these fields changed.
    DisplayMode expected = FakeDisplay::Record(640, 480);
    expected.set<std::uint16_t>(DisplayMode::kSizeOffset, 156);
    expected.set<std::uint16_t>(DisplayMode::kDriverExtraOffset, 0);
    expected.set<std::uint32_t>(DisplayMode::kFieldsOffset, 0x180000);
    expected.set<std::uint32_t>(DisplayMode::kPelsWidthOffset, 800);
    expected.set<std::uint32_t>(DisplayMode::kPelsHeightOffset, 600);
    EXPECT_EQ(request.mode.bytes, expected.bytes);
}

TEST_F(DisplayModeChangeTest, AFailedReadOfModeZeroRequestsNothing) {
    os.calls.failNext("EnumDisplaySettingsA", 0);
    EXPECT_FALSE(form.AnotherScreen(800, 600));
    EXPECT_EQ(requests(), 0u);
}

TEST_F(DisplayModeChangeTest, ReportsSuccessOnlyWhenTheDisplayAccepts) {
    EXPECT_TRUE(form.AnotherScreen(1280, 1024));
    os.calls.failNext("ChangeDisplaySettingsA", 0);
    EXPECT_FALSE(form.AnotherScreen(800, 600));
    EXPECT_EQ(os.display.width(), 1280);
}

TEST_F(DisplayModeChangeTest, UsesTheLoadedSizeNotTheBoxes) {
    form.SavedWidth = 800;
    form.SavedHeight = 600;
    form.SettingsPath = kSettingsPath;
    os.windows.setText(form.Edit1, "1280");
    os.windows.setText(form.Edit2, "1024");
    form.Button2Click();
    form.Button1Click();
    ASSERT_EQ(requests(), 1u);
    EXPECT_EQ(os.display.width(), 800);
}

} // namespace
} // namespace vevove::fake
