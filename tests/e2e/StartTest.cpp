// How the window program starts: minimized, as a shortcut set to run
// minimized or "Start with Windows" starts it, it applies its settings at
// once and shows only its taskbar entry; and a second start hands over to
// the first one and ends, while the command line still runs beside it.
#include "harness/CommandLineRun.h"
#include "harness/IconPositionsKey.h"
#include "harness/Input.h"
#include "harness/MainWindowControls.h"
#include "harness/NotificationArea.h"
#include "harness/ProgramWindows.h"
#include "harness/Screen.h"
#include "harness/SettingsFile.h"
#include "harness/StandinDesktop.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"
#include "resource.h"

#include <shellapi.h>

#include <optional>
#include <vector>

namespace e2e {
namespace {

// The items of the icon's menu, counted from its top, separators left out.
constexpr int kMenuOpen = 8;
constexpr int kMenuQuit = 9;

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

// Started in the background, as "Start with Windows" starts it, only the icon
// in the notification area shows. A click on it shows the window with its
// taskbar entry; closing the window (or Esc) hides both again, "Open Vevove"
// and a second start show them, and only "Quit" ends the program.
TEST_F(StartTest, ABackgroundStartShowsOnlyItsIconAndCloseGoesBackThere) {
    Launch({SW_SHOWNORMAL, "", "/background"});
    ASSERT_TRUE(WaitUntil(NotificationIconShown));
    const std::vector<HWND> mainWindows = TopLevelWindows(vevove().id(), vevove::kMainWindowClass);
    ASSERT_EQ(mainWindows.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(mainWindows.front()));
    EXPECT_FALSE(IsWindowVisible(ApplicationWindow()));

    ClickNotificationIcon();
    WaitForMainWindow();
    EXPECT_TRUE(IsWindowVisible(ApplicationWindow()));

    RequestClose(mainWindow_);
    EXPECT_TRUE(WaitUntil(
        [&] { return !IsWindowVisible(mainWindow_) && !IsWindowVisible(ApplicationWindow()); }));
    EXPECT_EQ(vevove().waitForExit(Milliseconds(0)), std::nullopt);
    EXPECT_TRUE(NotificationIconShown());

    ChooseFromNotificationMenu(vevove().id(), kMenuOpen);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_); }));
    PressKeyAndWaitHandled(mainWindow_, VK_ESCAPE, controls_.saveIcons);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(mainWindow_); }));
    // A second start brings it out of the background too.
    EXPECT_EQ(RunVevove("").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(mainWindow_); }));

    ChooseFromNotificationMenu(vevove().id(), kMenuQuit);
    EXPECT_EQ(vevove().waitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([] { return !NotificationIconShown(); }));
}

// The icon comes with the start, its tip naming the setup and whether a
// layout is saved for it; it comes back when the shell has restarted, and
// goes when the program ends.
TEST_F(StartTest, TheIconComesWithTheStartAndTheShellAndGoesAtTheEnd) {
    const StandinDesktop desktop(StandinDesktop::Options{{{20, 10, "Recycle Bin"}}});
    Start();
    ASSERT_TRUE(WaitUntil(NotificationIconShown));
    EXPECT_EQ(NotificationTip(), "Vevove\n1024 x 768 at 100 %\nNo layout saved");
    ClickAndWait(controls_.saveIcons);
    EXPECT_EQ(NotificationTip(), "Vevove\n1024 x 768 at 100 %\nLayout saved");

    // Gone with the shell that held it, and there again when it announces
    // itself.
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = mainWindow_;
    icon.uID = IDN_NOTIFICATION_ICON;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_TRUE(WaitUntil([] { return !NotificationIconShown(); }));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil(NotificationIconShown));

    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([] { return !NotificationIconShown(); }));
}

} // namespace
} // namespace e2e
