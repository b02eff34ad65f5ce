// How the window program starts: minimized, as a shortcut set to run
// minimized or "Start with Windows" starts it, it applies its settings at
// once and shows only its taskbar entry; and a second start hands over to
// the first one and ends, while the command line still runs beside it.
#include "harness/CommandLineRun.h"
#include "harness/IconPositionsKey.h"
#include "harness/Input.h"
#include "harness/MainWindowControls.h"
#include "harness/ProgramWindows.h"
#include "harness/Screen.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"

#include <optional>
#include <vector>

namespace e2e {
namespace {

class StartTest : public VevoveTest {
  protected:
    void TearDown() override {
        VevoveTest::TearDown();
        RemoveIconPositionsKey();
    }

    const DesktopScreenSize screen_;
};

struct MinimizedStart {
    const char* name;
    VevoveProcess::Options options;
};

class MinimizedStartTest : public StartTest,
                           public ::testing::WithParamInterface<MinimizedStart> {};

INSTANTIATE_TEST_SUITE_P(
    Starts, MinimizedStartTest,
    ::testing::Values(MinimizedStart{"Shortcut", {SW_SHOWMINNOACTIVE, "", ""}},
                      MinimizedStart{"Switch", {SW_SHOWNORMAL, "", "/minimized"}}),
    [](const ::testing::TestParamInfo<MinimizedStart>& start) { return start.param.name; });

// The stored resolution comes at once; the boxes, loaded then, keep it when
// the window is first shown.
TEST_P(MinimizedStartTest, AppliesTheStoredResolutionAtOnceAndShowsOnlyTheTaskbarEntry) {
    WriteSettingsFile("800\r\n600\r\nauto\r\n");
    Launch(GetParam().options);
    ASSERT_TRUE(WaitUntil([] { return ScreenIs(800, 600); }, Milliseconds(2500)));
    const std::vector<HWND> mainWindows = TopLevelWindows(vevove().id(), vevove::kMainWindowClass);
    ASSERT_EQ(mainWindows.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(mainWindows.front()));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(ApplicationWindow()); }));

    WriteSettingsFile("1024\r\n768\r\nmanual\r\n");
    RestoreFromTaskbar(ApplicationWindow());
    WaitForMainWindow();
    EXPECT_EQ(Text(controls_.width), "800");
    EXPECT_EQ(Text(controls_.height), "600");
    EXPECT_TRUE(IsChecked(controls_.autoBox));
}

// The second start finds the first, minimized, and brings its main window
// back to the front; it ends with 0 and never shows a window of its own.
TEST_F(StartTest, ASecondStartBringsTheFirstToTheFrontAndTheCommandLineRunsBeside) {
    const StandinDesktop desktop(StandinDesktop::Options{{{20, 10, "Recycle Bin"}}});
    Start();
    for (const char* arguments : {"", "/minimized"}) {
        SCOPED_TRACE(arguments);
        SystemCommandAndWait(mainWindow_, SC_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(mainWindow_); }));
        const CommandLineRun second = RunVevove(arguments);
        EXPECT_EQ(second.exitCode, std::optional<DWORD>(0));
        EXPECT_EQ(second.windowClasses.count(vevove::kMainWindowClass), 0u);
        EXPECT_FALSE(second.windowVisible);
        EXPECT_TRUE(WaitUntil(
            [&] { return IsWindowVisible(mainWindow_) && GetForegroundWindow() == mainWindow_; }));
        EXPECT_FALSE(IsIconic(ApplicationWindow()));
    }
    const CommandLineRun save = RunVevove("/saveicons");
    EXPECT_EQ(save.exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(save.output, "Icons saved.\r\n");
    EXPECT_EQ(TopLevelWindows(vevove().id(), vevove::kMainWindowClass).size(), 1u);
}

} // namespace
} // namespace e2e
