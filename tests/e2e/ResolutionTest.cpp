// The stored resolution put back: by "Restore resolution", and with "Auto" at
// the showing of the main window and at every tick; blank boxes refilled.
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/SettingsFile.h"
#include "harness/VevoveTest.h"

#include <chrono>
#include <string>

namespace e2e {
namespace {

// A tick comes every 5 s; one more second for the restore to take effect.
constexpr Milliseconds kOneTick{6500};

SIZE ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool ScreenIs(int width, int height) {
    const SIZE size = ScreenSize();
    return size.cx == width && size.cy == height;
}

void SetScreen(int width, int height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    ASSERT_EQ(ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
    ASSERT_TRUE(WaitUntil([&] { return ScreenIs(width, height); }));
}

class ResolutionTest : public VevoveTest {
  protected:
    void SetUp() override {
        VevoveTest::SetUp();
        SetScreen(1024, 768);
    }
    // The other tests expect the desktop's own 1024 x 768.
    void TearDown() override {
        VevoveTest::TearDown();
        SetScreen(1024, 768);
    }
};

TEST_F(ResolutionTest, AutoRestoresBeforeTheWindowShowsAndCentresItForTheNewSize) {
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Start();
    // The main window is visible now; the mode changed before it was shown.
    EXPECT_TRUE(ScreenIs(800, 600));
    const RECT place = ScreenRect(mainWindow_);
    EXPECT_EQ(place.left, (800 - 285) / 2);
    EXPECT_EQ(place.top, (600 - 330) / 2);
    EXPECT_EQ(Text(controls_.width), "800");
    EXPECT_EQ(Text(controls_.height), "600");
}

TEST_F(ResolutionTest, AutoPutsAChangedResolutionBackAtTheNextTick) {
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Start();
    ASSERT_TRUE(ScreenIs(800, 600));
    SetScreen(1024, 768);
    EXPECT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }, kOneTick));
}

TEST_F(ResolutionTest, ManualLeavesTheResolutionUntilRestoreIsPressed) {
    WriteSettingsFile("800\r\n600\r\nmanual\r\n");
    Start();
    EXPECT_TRUE(ScreenIs(1024, 768));
    Click(controls_.restoreResolution);
    EXPECT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }));
}

TEST_F(ResolutionTest, RestoreDoesNothingForAStoredWidthBelow640) {
    WriteSettingsFile("639\r\n1024\r\nmanual\r\n");
    Start();
    Click(controls_.restoreResolution);
    EXPECT_FALSE(WaitUntil([] { return !ScreenIs(1024, 768); }, Milliseconds{2000}));
}

TEST_F(ResolutionTest, AClearedWidthBoxShowsTheCurrentWidthAgain) {
    Start();
    EXPECT_EQ(Text(controls_.width), "1024");
    EXPECT_EQ(Text(controls_.height), "768");
    SetText(controls_.width, "");
    EXPECT_TRUE(WaitUntil([&] { return Text(controls_.width) == "1024"; }, kOneTick));
}

} // namespace
} // namespace e2e
