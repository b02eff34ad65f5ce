// What the two secondary windows, "Info" (opened by "Help") and the
// more-software window (opened by the glyph button), do alike: a second
// press keeps one window, OK and Enter hide it but Esc does not, and it
// shows again where the user left it.
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/SyncClick.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"
#include "resource.h"

#include <stdexcept>
#include <string>

namespace e2e {
namespace {

struct SecondaryWindow {
    const char* name;
    HWND MainWindowControls::*button;
    const char* className;
    int okId;
};

class SecondaryWindowTest : public VevoveTest,
                            public ::testing::WithParamInterface<SecondaryWindow> {
  protected:
    HWND Open() {
        Click(controls_.*GetParam().button);
        HWND window = WaitForVisibleWindow(vevove().id(), GetParam().className);
        if (!window) {
            throw std::runtime_error(std::string(GetParam().className) + " did not show");
        }
        return window;
    }
    HWND Ok(HWND window) const { return GetDlgItem(window, GetParam().okId); }
    static bool Hides(HWND window) {
        return WaitUntil([&] { return !IsWindowVisible(window); });
    }
};

INSTANTIATE_TEST_SUITE_P(
    Windows, SecondaryWindowTest,
    ::testing::Values(SecondaryWindow{"Info", &MainWindowControls::help, vevove::kHelpWindowClass,
                                      IDC_HELP_OK},
                      SecondaryWindow{"MoreSoftware", &MainWindowControls::moreSoftware,
                                      vevove::kMoreSoftwareWindowClass, IDC_MORE_SOFTWARE_OK}),
    [](const ::testing::TestParamInfo<SecondaryWindow>& window) { return window.param.name; });

TEST_P(SecondaryWindowTest, ASecondPressKeepsOneWindowInFront) {
    Start();
    HWND window = Open();
    ClickAndWait(controls_.*GetParam().button);
    EXPECT_EQ(TopLevelWindows(vevove().id(), GetParam().className).size(), 1u);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
}

TEST_P(SecondaryWindowTest, OkHidesItAndTheMainWindowStays) {
    Start();
    HWND window = Open();
    ASSERT_NE(Ok(window), nullptr);
    EXPECT_EQ(ClassName(Ok(window)), "Button");
    EXPECT_EQ(Text(Ok(window)), "OK");
    Click(Ok(window));
    EXPECT_TRUE(Hides(window));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
}

TEST_P(SecondaryWindowTest, EnterHidesItAndEscDoesNot) {
    Start();
    HWND window = Open();
    ASSERT_TRUE(WaitUntil([&] { return HasFocusIn(window); }));
    PressKeyAndWaitHandled(FocusedWindow(window), VK_ESCAPE, Ok(window));
    ASSERT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
    PressKey(FocusedWindow(window), VK_RETURN);
    EXPECT_TRUE(Hides(window));
}

TEST_P(SecondaryWindowTest, ShowsAgainWhereTheUserMovedIt) {
    Start();
    HWND window = Open();
    SetWindowPos(window, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Click(Ok(window));
    ASSERT_TRUE(Hides(window));
    EXPECT_EQ(Open(), window);
    const RECT rect = ScreenRect(window);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
}

} // namespace
} // namespace e2e
