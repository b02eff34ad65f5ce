// Started as a shortcut set to run minimized starts it, Vevove shows only its
// taskbar entry and loads nothing until the user restores it from there.
#include "harness/Input.h"
#include "harness/MainWindowControls.h"
#include "harness/ProgramWindows.h"
#include "harness/SettingsFile.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"

#include <vector>

namespace e2e {
namespace {

using StartMinimizedTest = VevoveTest;

TEST_F(StartMinimizedTest, LoadsNothingUntilRestoredFromTheTaskbar) {
    WriteSettingsFile("800\r\n600\r\nmanual\r\n");
    Launch({SW_SHOWMINNOACTIVE, ""});
    ASSERT_EQ(WaitForInputIdle(vevove().handle(), static_cast<DWORD>(kTimeout.count())), 0u);
    const std::vector<HWND> mainWindows = TopLevelWindows(vevove().id(), vevove::kMainWindowClass);
    ASSERT_EQ(mainWindows.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(mainWindows.front()));
    EXPECT_EQ(Text(FindControls(mainWindows.front()).width), "");

    RestoreFromTaskbar(ApplicationWindow());
    WaitForMainWindow();
    EXPECT_EQ(Text(controls_.width), "800");
    EXPECT_EQ(Text(controls_.height), "600");
}

} // namespace
} // namespace e2e
