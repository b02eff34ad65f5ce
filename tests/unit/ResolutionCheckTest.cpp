// The check at the showing of the main window and at every tick: refilling
// blank boxes, latching a difference, and the automatic restore.
#include "tests/unit/MainWindowTest.h"

#include <string>
#include <vector>

namespace vevove::fake {
namespace {

class ResolutionCheckTest : public MainWindowTest {
  protected:
    ResolutionCheckTest() { os.display.setCurrent(1024, 768); }

    void saved(std::uint16_t width, std::uint16_t height) {
        form.SavedWidth = width;
        form.SavedHeight = height;
    }
    void checkAuto() { os.windows.setChecked(form.CheckBox1, true); }
    std::size_t requests() const { return os.display.requests().size(); }
};

TEST_F(ResolutionCheckTest, FillsEmptyAndBlankBoxesWithTheCurrentSize) {
    for (const std::string& blank :
         {std::string(), std::string("   "), std::string("\t\r\n "), std::string("\x01\x1F ", 3)}) {
        os.windows.setText(form.Edit1, blank);
        os.windows.setText(form.Edit2, blank);
        form.CheckScreen();
        EXPECT_EQ(edit1(), "1024");
        EXPECT_EQ(edit2(), "768");
    }
}

TEST_F(ResolutionCheckTest, LeavesBoxesWithOtherTextAlone) {
    os.windows.setText(form.Edit1, "abc");
    os.windows.setText(form.Edit2, " 600 ");
    form.CheckScreen();
    EXPECT_EQ(edit1(), "abc");
    EXPECT_EQ(edit2(), " 600 ");
}

TEST_F(ResolutionCheckTest, ReadsTheHeightBeforeTheWidth) {
    os.calls.clearLog();
    form.CheckScreen();
    std::vector<std::string> metrics;
    for (const std::string& call : os.calls.log()) {
        if (call.rfind("GetSystemMetrics", 0) == 0) {
            metrics.push_back(call);
        }
    }
    EXPECT_EQ(metrics, (std::vector<std::string>{"GetSystemMetrics:1", "GetSystemMetrics:0"}));
}

TEST_F(ResolutionCheckTest, EqualSizesLeaveTheFlagAsItWas) {
    saved(1024, 768);
    form.CheckScreen();
    EXPECT_FALSE(form.ResolutionMismatch);
    form.ResolutionMismatch = true;
    form.CheckScreen();
    EXPECT_TRUE(form.ResolutionMismatch);
}

TEST_F(ResolutionCheckTest, EitherDimensionDifferingLatchesTheFlag) {
    saved(1024, 600);
    form.CheckScreen();
    EXPECT_TRUE(form.ResolutionMismatch);
    form.ResolutionMismatch = false;
    saved(800, 768);
    form.CheckScreen();
    EXPECT_TRUE(form.ResolutionMismatch);
}

TEST_F(ResolutionCheckTest, AStoredWidthOf65535NeverMatches) {
    os.display.setCurrent(65535, 768);
    saved(65535, 768);
    form.CheckScreen();
    EXPECT_FALSE(form.ResolutionMismatch);
    os.display.setCurrent(1024, 768);
    form.CheckScreen();
    EXPECT_TRUE(form.ResolutionMismatch);
}

TEST_F(ResolutionCheckTest, WithoutAutoADifferenceRestoresNothing) {
    saved(800, 600);
    form.CheckScreen();
    form.CheckScreen();
    EXPECT_TRUE(form.ResolutionMismatch);
    EXPECT_EQ(requests(), 0u);
}

TEST_F(ResolutionCheckTest, AutoCheckedLaterRestoresAtTheNextTick) {
    saved(800, 600);
    form.Timer1Timer();
    checkAuto();
    form.Timer1Timer();
    ASSERT_EQ(requests(), 1u);
    EXPECT_EQ(os.display.width(), 800);
}

TEST_F(ResolutionCheckTest, OnceLatchedEveryTickRequestsTheStoredModeAgain) {
    saved(800, 600);
    checkAuto();
    form.Timer1Timer();
    EXPECT_EQ(os.display.width(), 800);
    form.Timer1Timer();
    form.Timer1Timer();
    EXPECT_EQ(requests(), 3u);
    // A user who changes the resolution is put back at the next tick.
    os.display.setCurrent(1280, 1024);
    form.Timer1Timer();
    EXPECT_EQ(os.display.width(), 800);
    EXPECT_EQ(os.display.height(), 600);
}

TEST_F(ResolutionCheckTest, ARefusedModeIsTriedAgainAtEveryTick) {
    saved(1152, 864);
    checkAuto();
    form.Timer1Timer();
    form.Timer1Timer();
    EXPECT_EQ(requests(), 2u);
    EXPECT_EQ(os.display.width(), 1024);
}

TEST_F(ResolutionCheckTest, ShowingRestoresTheSavedSizeBeforeTheWindowAppears) {
    os.files.addFile(kSettingsPath, "800\r\n600\r\nauto\r\n");
    form.FormShow();
    EXPECT_EQ(os.display.width(), 800);
    EXPECT_EQ(os.display.height(), 600);
    EXPECT_EQ(edit1(), "800");
    EXPECT_EQ(edit2(), "600");
}

TEST_F(ResolutionCheckTest, ShowingWithTheSavedSizeCurrentRestoresNothing) {
    os.files.addFile(kSettingsPath, "1024\r\n768\r\nauto\r\n");
    form.ResolutionMismatch = true;
    form.FormShow();
    EXPECT_FALSE(form.ResolutionMismatch);
    EXPECT_EQ(requests(), 0u);
}

TEST_F(ResolutionCheckTest, StartWithoutSettingsFillsTheBoxesAndRestoresNothing) {
    form.FormShow();
    EXPECT_EQ(edit1(), "1024");
    EXPECT_EQ(edit2(), "768");
    EXPECT_TRUE(form.ResolutionMismatch);
    checkAuto();
    form.Timer1Timer();
    EXPECT_EQ(requests(), 0u);
}

TEST_F(ResolutionCheckTest, TicksBeforeTheFirstShowingAreForgottenWhenItComes) {
    // Started minimized: ticks fill the boxes and latch against 0 x 0.
    form.Timer1Timer();
    EXPECT_TRUE(form.ResolutionMismatch);
    os.files.addFile(kSettingsPath, "1024\r\n768\r\nauto\r\n");
    form.FormShow();
    EXPECT_FALSE(form.ResolutionMismatch);
    EXPECT_EQ(requests(), 0u);
}

} // namespace
} // namespace vevove::fake
