// The main window as it first shows, and the hidden application window whose
// caption is the title derived from the executable's file name; its labels in
// the system's colours, and its keyboard after it was minimized.
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/ScreenPixels.h"
#include "harness/SystemColours.h"
#include "harness/VevoveTest.h"

#include <algorithm>
#include <optional>
#include <string>

namespace e2e {
namespace {

const std::optional<DWORD> kExitCode0 = 0;

using MainWindowTest = VevoveTest;

TEST_F(MainWindowTest, IsCaptionedVevove) {
    Start();
    EXPECT_EQ(Text(mainWindow_), "Vevove");
}

TEST_F(MainWindowTest, OuterSizeIs285By330) {
    Start();
    const RECT rect = ScreenRect(mainWindow_);
    EXPECT_EQ(rect.right - rect.left, 285);
    EXPECT_EQ(rect.bottom - rect.top, 330);
}

TEST_F(MainWindowTest, IsCentredOnTheVirtualDesktop) {
    Start();
    const RECT rect = ScreenRect(mainWindow_);
    // On the tests' 1024 x 768 desktop: (1024 - 285) / 2 = 369, (768 - 330) / 2 = 219.
    EXPECT_EQ(rect.left, std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - 285) / 2));
    EXPECT_EQ(rect.top, std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - 330) / 2));
}

TEST_F(MainWindowTest, ApplicationWindowIsCaptionedWithTheTitle) {
    Start();
    EXPECT_EQ(Text(ApplicationWindow()), "Vevove");
}

TEST_F(MainWindowTest, TitleIsTheFileNameUpToItsFirstFullStop) {
    Start({SW_SHOWNORMAL, "Vevove.new.exe"});
    EXPECT_EQ(Text(ApplicationWindow()), "Vevove");
}

TEST_F(MainWindowTest, TitleKeepsTheFirstLetterAndLowersTheRest) {
    Start({SW_SHOWNORMAL, "VEVOVE.EXE"});
    EXPECT_EQ(Text(ApplicationWindow()), "Vevove");
    EXPECT_EQ(Text(mainWindow_), "Vevove");
}

// In a high-contrast scheme the labels, "Auto" among them, stay readable: the
// system's button text on its button face. So does the frame that marks the
// focused bitmap button in the classic look.
TEST_F(MainWindowTest, LabelsShowTheSystemsButtonTextOnItsButtonFace) {
    const SystemColours dark(DarkScheme());
    const VisualStylesOff classicLook;
    Start();
    for (HWND label :
         {controls_.widthLabel, controls_.times, controls_.heightLabel, controls_.autoBox}) {
        EXPECT_TRUE(WaitUntil([&] { return ShowsTextOn(label, kDarkButtonText, kDarkFace); }))
            << Text(label);
    }
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(mainWindow_) == controls_.width; }));
    // From the width box to "Quit".
    for (int press = 0; press < 7; ++press) {
        PressKeyOnKeyboard(VK_TAB);
    }
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(mainWindow_) == controls_.quit; }));
    EXPECT_TRUE(
        WaitUntil([&] { return ScreenPixels(controls_.quit).at(0, 0) == kDarkButtonText; }));
}

// A new scheme chosen while it runs shows at once, and so does the old one
// chosen again.
TEST_F(MainWindowTest, LabelsTakeNewSystemColoursWhileItRuns) {
    Start();
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_TRUE(WaitUntil([&] { return ShowsTextOn(controls_.widthLabel, text, face); }));
    {
        const SystemColours dark(DarkScheme(), mainWindow_);
        EXPECT_TRUE(WaitUntil(
            [&] { return ShowsTextOn(controls_.widthLabel, kDarkButtonText, kDarkFace); }));
    }
    EXPECT_TRUE(WaitUntil([&] { return ShowsTextOn(controls_.widthLabel, text, face); }));
}

// Minimized from its caption or from its taskbar entry and restored, it takes
// keys at once where it took them before: in the width box, and Esc ends it.
TEST_F(MainWindowTest, KeyboardWorksAtOnceAfterMinimizingAndRestoring) {
    Start();
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(mainWindow_) == controls_.width; }));
    HWND application = ApplicationWindow();
    const struct {
        const char* name;
        HWND window;
        const char* typed;
    } minimizedFrom[] = {{"the main window", mainWindow_, "12"},
                         {"the taskbar entry", application, "34"}};
    for (const auto& from : minimizedFrom) {
        SCOPED_TRACE(from.name);
        SystemCommandAndWait(from.window, SC_MINIMIZE);
        ASSERT_TRUE(
            WaitUntil([&] { return IsIconic(application) && !IsWindowVisible(mainWindow_); }));
        const std::string expected = Text(controls_.width) + from.typed;
        SystemCommandAndWait(application, SC_RESTORE);
        PressKeyOnKeyboard(VK_END);
        TypeOnKeyboard(from.typed);
        EXPECT_TRUE(WaitUntil([&] { return Text(controls_.width) == expected; }))
            << "the width box holds \"" << Text(controls_.width) << "\"";
    }
    PressKeyOnKeyboard(VK_ESCAPE);
    EXPECT_EQ(vevove().waitForExit(), kExitCode0);
}

} // namespace
} // namespace e2e
