// The stored resolution put back: by "Restore resolution", and with "Auto" at
// the showing of the main window and at the next tick after the display was
// changed, but never while the display has it; a saved resolution counts at
// once; blank boxes refilled.
#include "harness/BroadcastCounter.h"
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/Screen.h"
#include "harness/SettingsFile.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include <chrono>
#include <string>

namespace e2e {
namespace {

// A tick comes every 5 s; one more second for the restore to take effect.
constexpr Milliseconds kOneTick{6500};
// Long enough for two ticks, whatever the phase of the timer.
constexpr Milliseconds kTwoTicks{11000};

class ResolutionTest : public VevoveTest {
  protected:
    // The other tests expect the desktop's own 1024 x 768.
    const DesktopScreenSize screen_;

    // Types a resolution into the boxes, presses "Save resolution" and waits
    // until the settings file holds `saved`.
    void SaveResolution(const char* width, const char* height, const std::string& saved) {
        SetText(controls_.width, width);
        SetText(controls_.height, height);
        Click(controls_.saveResolution);
        ASSERT_TRUE(WaitUntil([&] { return ReadSettingsFile() == saved; }));
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

TEST_F(ResolutionTest, AutoPutsAChangedResolutionBackOnceAtTheNextTick) {
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Start();
    ASSERT_TRUE(ScreenIs(800, 600));
    SetScreen(1024, 768);
    BroadcastCounter changes(WM_DISPLAYCHANGE);
    ASSERT_TRUE(changes.PumpUntil([] { return ScreenIs(800, 600); }, kOneTick));
    changes.PumpFor(Milliseconds{1000}); // the put-back's broadcast, should it lag
    const int afterPutBack = changes.count();
    EXPECT_GE(afterPutBack, 1) << "the counter heard no broadcast of the put-back";
    // Once the display has the stored resolution, no tick sets it again.
    changes.PumpFor(kTwoTicks);
    EXPECT_EQ(changes.count(), afterPutBack);
    EXPECT_TRUE(ScreenIs(800, 600));
}

TEST_F(ResolutionTest, ASavedResolutionIsKeptWhenTheUserSetsIt) {
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Start();
    ASSERT_TRUE(ScreenIs(800, 600));
    ASSERT_NO_FATAL_FAILURE(SaveResolution("1024", "768", "1024\r\n768\r\nauto\r\n"));
    SetScreen(1024, 768);
    // Put back to the resolution loaded at start-up, it would be 800 x 600 now.
    EXPECT_FALSE(WaitUntil([] { return !ScreenIs(1024, 768); }, kTwoTicks));
}

TEST_F(ResolutionTest, ASavedResolutionCountsAtOnceForAutoAndRestore) {
    WriteSettingsFile("1024\r\n768\r\nmanual\r\n");
    Start();
    ASSERT_TRUE(ScreenIs(1024, 768));
    ASSERT_NO_FATAL_FAILURE(SaveResolution("800", "600", "800\r\n600\r\nmanual\r\n"));
    // The monitor it belongs to is recorded, and found primary again.
    EXPECT_NE(ResolutionMonitor(), "");
    Click(controls_.restoreResolution);
    EXPECT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }));

    SetScreen(1024, 768);
    Click(controls_.autoBox);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(controls_.autoBox); }));
    EXPECT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }, kOneTick));
}

TEST_F(ResolutionTest, ManualLeavesTheResolutionUntilRestoreIsPressed) {
    WriteSettingsFile("800\r\n600\r\nmanual\r\n");
    Start();
    // Loaded, and left alone.
    ASSERT_EQ(Text(controls_.width), "800");
    EXPECT_TRUE(ScreenIs(1024, 768));
    Click(controls_.restoreResolution);
    EXPECT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }));
}

TEST_F(ResolutionTest, RestoreDoesNothingForAStoredWidthBelow640) {
    WriteSettingsFile("639\r\n1024\r\nmanual\r\n");
    Start();
    ASSERT_EQ(Text(controls_.width), "639");
    ClickAndWait(controls_.restoreResolution);
    EXPECT_TRUE(ScreenIs(1024, 768));
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
