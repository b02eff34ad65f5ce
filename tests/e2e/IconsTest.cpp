// "Save Icons", "Restore Icons" and the icon save of "Save resolution" against
// the stand-in desktop shell, checked in the registry and in the positions its
// list view holds.
#include "harness/ErrorBox.h"
#include "harness/IconPositionsKey.h"
#include "harness/Input.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

const std::vector<Icon> kIcons = {
    {20, 10, "Recycle Bin"}, {20, 90, "Computer"}, {110, 10, "Notes.txt"}, {110, 90, "Caf\xE9"}};

class IconsTest : public VevoveTest {
  protected:
    void SetUp() override {
        VevoveTest::SetUp();
        RemoveIconPositionsKey();
    }
    void TearDown() override {
        VevoveTest::TearDown();
        desktop_.reset();
        RemoveIconPositionsKey();
    }

    void StartDesktop(const StandinDesktop::Options& options) { desktop_.emplace(options); }
    void StartDesktop(const std::vector<Icon>& icons = kIcons) {
        StartDesktop(StandinDesktop::Options{icons, false, false});
    }

    void ExpectNoErrorBox() {
        EXPECT_EQ(WaitForMessageBox(vevove().id(), Milliseconds(300)), nullptr);
    }

    std::optional<StandinDesktop> desktop_;
};

TEST_F(IconsTest, SaveIconsWritesOneValuePerIconWithItsPosition) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), (Strings{"Caf\xE9=110,90", "Computer=20,90", "Notes.txt=110,10",
                                         "Recycle Bin=20,10"}));
    for (const RegistryValue& value : IconPositionValues()) {
        if (value.name == "Notes.txt") {
            EXPECT_EQ(value.data, (std::vector<BYTE>{110, 0, 0, 0, 10, 0, 0, 0}));
        }
    }
    ExpectNoErrorBox();
}

TEST_F(IconsTest, TheSameTextTwiceAndAnEmptyTextAreStoredAsTheRegistryAllows) {
    StartDesktop({{20, 10, "Twice"}, {20, 90, ""}, {110, 10, "TWICE"}});
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(), (Strings{"=20,90", "Twice=110,10"}));
}

TEST_F(IconsTest, RestoreIconsPutsMovedIconsBack) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    desktop_->Move(0, 300, 200);
    desktop_->Move(3, 500, 400);
    ASSERT_NE(desktop_->Icons(), kIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    ExpectNoErrorBox();
}

TEST_F(IconsTest, WithAutomaticArrangementTheStyleIsTheSameAfterwards) {
    StartDesktop(StandinDesktop::Options{kIcons, true, false});
    Start();
    const LONG style = GetWindowLongA(desktop_->listView(), GWL_STYLE);
    ASSERT_NE(style & LVS_AUTOARRANGE, 0);
    ClickAndWait(controls_.saveIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(GetWindowLongA(desktop_->listView(), GWL_STYLE), style);
    ExpectNoErrorBox();
}

TEST_F(IconsTest, ARemovedIconsValueIsGoneAfterTheNextSave) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.saveIcons);
    desktop_->Remove(1);
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions(),
              (Strings{"Caf\xE9=110,90", "Notes.txt=110,10", "Recycle Bin=20,10"}));
}

TEST_F(IconsTest, AStoredIconThatIsMissingIsSkippedWhileTheOthersMove) {
    WriteIconPosition("Recycle Bin", 400, 300);
    WriteIconPosition("Gone", 5, 5);
    WriteIconPosition("Computer", 400, 380);
    StartDesktop();
    Start();
    ClickAndWait(controls_.restoreIcons);
    const std::vector<Icon> icons = desktop_->Icons();
    ASSERT_EQ(icons.size(), 4u);
    EXPECT_EQ(icons[0], (Icon{400, 300, "Recycle Bin"}));
    EXPECT_EQ(icons[1], (Icon{400, 380, "Computer"}));
    EXPECT_EQ(icons[2], kIcons[2]);
    ExpectNoErrorBox();
}

TEST_F(IconsTest, RestoreBeforeAnySaveMovesNothingAndShowsNothing) {
    StartDesktop();
    Start();
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
    EXPECT_FALSE(IconPositionsKeyExists());
    ExpectNoErrorBox();
}

TEST_F(IconsTest, WithoutADesktopShellBothButtonsDoNothing) {
    Start();
    ClickAndWait(controls_.saveIcons);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_FALSE(IconPositionsKeyExists());
    ExpectNoErrorBox();
}

TEST_F(IconsTest, TheViewUnderAWorkerWWindowIsFound) {
    StartDesktop(StandinDesktop::Options{kIcons, false, true});
    Start();
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(SavedPositions().size(), 4u);
    desktop_->Move(2, 600, 500);
    ClickAndWait(controls_.restoreIcons);
    EXPECT_EQ(ToString(desktop_->Icons()), ToString(kIcons));
}

TEST_F(IconsTest, SaveResolutionWritesTheFileAndThenTheIcons) {
    StartDesktop();
    Start();
    SetText(controls_.width, "1024");
    SetText(controls_.height, "768");
    ClickAndWait(controls_.saveResolution);
    EXPECT_EQ(ReadSettingsFile(), "1024\r\n768\r\nmanual\r\n");
    EXPECT_EQ(SavedPositions().size(), 4u);
}

} // namespace
} // namespace e2e
