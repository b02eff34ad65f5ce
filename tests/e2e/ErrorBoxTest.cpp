// An error in a handler shows one message box titled with the application
// title, and the program carries on after OK. The error at hand: "Save
// resolution" cannot create the settings file because a directory of its name
// is in the way.
#include "harness/ErrorBox.h"
#include "harness/Input.h"
#include "harness/MoreSoftwareWindow.h"
#include "harness/Mouse.h"
#include "harness/ProgramWindows.h"
#include "harness/SettingsFile.h"
#include "harness/VevoveTest.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace e2e {
namespace {

const std::optional<DWORD> kExitCode0 = 0;
const std::string kCreateErrorStart =
    "Datei \"C:\\ProgramData\\ScrDef.ini\" kann nicht erstellt werden. ";

// True when `upper` lies above `lower` in the z-order of the desktop.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
        if (below == lower) {
            return true;
        }
    }
    return false;
}

class ErrorBoxTest : public VevoveTest {
  protected:
    void SetUp() override {
        VevoveTest::SetUp();
        PutDirectoryInPlaceOfSettingsFile();
    }

    // Presses "Save resolution" and waits for the box; throws when none shows.
    HWND SaveAndWaitForBox() {
        Click(controls_.saveResolution);
        HWND box = WaitForMessageBox(vevove().id());
        if (!box) {
            throw std::runtime_error("no message box showed");
        }
        return box;
    }
};

TEST_F(ErrorBoxTest, SaysTheFileCannotBeCreatedEndingInOneFullStop) {
    Start();
    const std::string text = MessageBoxText(SaveAndWaitForBox());
    EXPECT_EQ(text.compare(0, kCreateErrorStart.size(), kCreateErrorStart), 0) << text;
    ASSERT_GT(text.size(), kCreateErrorStart.size() + 1) << "no system description: " << text;
    EXPECT_EQ(text.back(), '.') << text;
    EXPECT_NE(text[text.size() - 2], '.') << text;
}

TEST_F(ErrorBoxTest, IsOneBoxTitledVevoveOwnedByTheApplicationWindow) {
    Start();
    HWND box = SaveAndWaitForBox();
    EXPECT_EQ(Text(box), "Vevove");
    EXPECT_EQ(GetWindow(box, GW_OWNER), ApplicationWindow());
    EXPECT_EQ(MessageBoxes(vevove().id()).size(), 1u);
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    EXPECT_EQ(WaitForMessageBox(vevove().id(), Milliseconds(1000)), nullptr)
        << "a second box showed";
}

TEST_F(ErrorBoxTest, DisablesTheMainWindowUntilOk) {
    Start();
    HWND box = SaveAndWaitForBox();
    EXPECT_FALSE(IsWindowEnabled(mainWindow_));
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(mainWindow_) != FALSE; }));
}

TEST_F(ErrorBoxTest, ProgramCarriesOnAfterOk) {
    Start();
    PressOk(SaveAndWaitForBox());
    ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
    PressOk(SaveAndWaitForBox());
    ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), kExitCode0);
}

// The more-software window stays on top of other windows, and is disabled
// while the box is open: the box shows above it, where it can be answered.
TEST_F(ErrorBoxTest, ShowsAboveTheMoreSoftwareWindow) {
    Start();
    HWND moreSoftware = OpenMoreSoftware(vevove().id(), controls_.moreSoftware);
    HWND box = SaveAndWaitForBox();
    // Once shown, the box may take its place in the z-order a moment later.
    EXPECT_TRUE(WaitUntil([&] {
        return IsAbove(box, moreSoftware) &&
               GetAncestor(WindowFromPoint(Middle(box)), GA_ROOT) == box;
    }));
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    EXPECT_TRUE(IsWindowVisible(moreSoftware));
}

TEST_F(ErrorBoxTest, CopyNamedInCapitalsTitlesTheBoxVevove) {
    Start({SW_SHOWNORMAL, "VEVOVE.EXE"});
    HWND box = SaveAndWaitForBox();
    EXPECT_EQ(Text(box), "Vevove");
    PressOk(box);
    ASSERT_TRUE(WaitUntil([&] { return MessageBoxes(vevove().id()).empty(); }));
    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), kExitCode0);
}

} // namespace
} // namespace e2e
