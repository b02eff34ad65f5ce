// The help window "Info": opened by "Help", at its stored place with its fixed
// lines of text, hidden by its close box too; on a screen of high density its
// layout scaled with its text. What it does alike with the more-software
// window is in SecondaryWindowsTest.
#include "harness/Input.h"
#include "harness/Layout.h"
#include "harness/ProgramDensity.h"
#include "harness/ProgramWindows.h"
#include "harness/ScreenPixels.h"
#include "harness/SystemColours.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"
#include "resource.h"

#include <iterator>
#include <stdexcept>

namespace e2e {
namespace {

struct HelpLine {
    int id;
    const char* name;
    int left, top;
    const char* text;
};

const HelpLine kLines[] = {
    {IDC_RESOLUTION_HEADING, "resolution heading", 47, 22, "Screen resolution"},
    {IDC_FIRST_RUN_TEXT, "first run", 47, 40,
     "When you run Vevove for the first time save your screen resolution by clicking the button "
     "'Save resolution'."},
    {IDC_AUTO_TEXT, "Auto", 47, 55,
     "Check 'Auto' if the tool should restore the resolution every time it is started if "
     "necessary."},
    {IDC_MANUAL_TEXT, "manual", 47, 71,
     "If 'Auto' is unchecked you have to click the button 'Restore resolution' to restore the "
     "screen resolution."},
    {IDC_ENABLED_TEXT, "enabled", 47, 88,
     "The button is only enabled if the current resolution differs from the saved resolution."},
    {IDC_START_UP_TEXT, "start-up", 47, 105,
     "If you run Vevove on Windows start-up the screen resolution will be corrected "
     "automatically at system start-up if necessary."},
    {IDC_ICONS_HEADING, "icons heading", 47, 131, "Icons"},
    {IDC_SAVE_ICONS_TEXT, "Save Icons", 47, 148,
     "Use the button 'Save Icons'  to save your desktop icons positions"},
    {IDC_RESTORE_ICONS_TEXT, "Restore Icons", 47, 165,
     "Use the button 'Restore Icons' to restore the icon positions Sometimes you have to click "
     "the button several times to restore all icon positions."},
};

class HelpWindowTest : public VevoveTest {
  protected:
    HWND OpenHelp() {
        Click(controls_.help);
        HWND help = WaitForVisibleWindow(vevove().id(), vevove::kHelpWindowClass);
        if (!help) {
            throw std::runtime_error("the help window did not show");
        }
        return help;
    }

    static bool Hides(HWND window) {
        return WaitUntil([&] { return !IsWindowVisible(window); });
    }
};

TEST_F(HelpWindowTest, IsInfoAtItsStoredPlace) {
    Start();
    HWND help = OpenHelp();
    EXPECT_EQ(Text(help), "Info");
    const RECT rect = ScreenRect(help);
    EXPECT_EQ(rect.left, 440);
    EXPECT_EQ(rect.top, 295);
    EXPECT_EQ(rect.right - rect.left, 764);
    EXPECT_EQ(rect.bottom - rect.top, 304);
}

TEST_F(HelpWindowTest, HoldsTheExactTexts) {
    Start();
    HWND help = OpenHelp();
    for (const HelpLine& line : kLines) {
        SCOPED_TRACE(line.name);
        HWND control = GetDlgItem(help, line.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), "Static");
        EXPECT_EQ(Text(control), line.text);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    EXPECT_EQ(ChildWindows(help).size(), std::size(kLines) + 1);
}

// Every text but the fixed one is as wide as its text; the two headings are
// bold.
TEST_F(HelpWindowTest, TextsSizeThemselvesAndTheHeadingsAreBold) {
    Start();
    HWND help = OpenHelp();
    const Layout layout(OwnDensity(), "MS Sans Serif");
    for (const HelpLine& line : kLines) {
        if (line.id == IDC_SAVE_ICONS_TEXT) {
            continue;
        }
        SCOPED_TRACE(line.name);
        const RECT place = PlaceInParent(GetDlgItem(help, line.id));
        const int width = place.right - place.left;
        if (line.id == IDC_RESOLUTION_HEADING || line.id == IDC_ICONS_HEADING) {
            EXPECT_EQ(width, layout.TextExtent(line.text, FW_BOLD).cx);
            EXPECT_GT(width, layout.TextExtent(line.text).cx);
        } else {
            EXPECT_EQ(width, layout.TextExtent(line.text).cx);
        }
    }
}

TEST_F(HelpWindowTest, OkButtonIsTheOnlyTabStop) {
    Start();
    HWND help = OpenHelp();
    HWND ok = GetDlgItem(help, IDC_HELP_OK);
    ASSERT_NE(ok, nullptr);
    for (HWND child : ChildWindows(help)) {
        EXPECT_EQ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0, child == ok) << Text(child);
    }
}

TEST_F(HelpWindowTest, CloseBoxHidesIt) {
    Start();
    HWND help = OpenHelp();
    RequestClose(help);
    EXPECT_TRUE(Hides(help));
    EXPECT_TRUE(IsWindow(help));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
}

TEST_F(HelpWindowTest, MainWindowStaysUsable) {
    Start();
    HWND help = OpenHelp();
    Click(controls_.moreSoftware);
    EXPECT_NE(WaitForVisibleWindow(vevove().id(), vevove::kMoreSoftwareWindowClass), nullptr);
    EXPECT_TRUE(IsWindowVisible(help));
    PressKey(controls_.width, VK_ESCAPE);
    EXPECT_TRUE(vevove().waitForExit().has_value());
}

// In a high-contrast scheme every line shows the system's window text on the
// button face, and the frame of the default button stands out from it.
TEST_F(HelpWindowTest, TextsShowTheSystemsWindowTextColour) {
    const SystemColours dark(DarkScheme());
    const VisualStylesOff classicLook;
    Start();
    HWND help = OpenHelp();
    // Its longest lines reach past the right edge of the screen at its
    // stored place.
    SetWindowPos(help, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const HelpLine& line : kLines) {
        SCOPED_TRACE(line.name);
        HWND text = GetDlgItem(help, line.id);
        EXPECT_TRUE(WaitUntil([&] { return ShowsTextOn(text, kDarkWindowText, kDarkFace); }));
    }
    EXPECT_EQ(ScreenPixels(GetDlgItem(help, IDC_HELP_OK)).at(0, 0), kDarkButtonText);
}

class HelpWindowAtHighDensityTest : public HelpWindowTest {
  protected:
    const ProgramDensity density_{kHighDensity};
    const Layout layout_{kHighDensity, "MS Sans Serif"};
};

TEST_F(HelpWindowAtHighDensityTest, ControlsHaveTheirScaledPlacesAndSizes) {
    Start();
    HWND help = OpenHelp();
    for (const HelpLine& line : kLines) {
        SCOPED_TRACE(line.name);
        const RECT expected = layout_.Place(line.left, line.top, 0, 0);
        const RECT actual = PlaceInParent(GetDlgItem(help, line.id));
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
    }
    // The one text of a fixed size, 472 x 15, on one line.
    const RECT fixedText = PlaceInParent(GetDlgItem(help, IDC_SAVE_ICONS_TEXT));
    EXPECT_EQ(fixedText.right - fixedText.left, layout_.Scaled(472));
    EXPECT_EQ(fixedText.bottom - fixedText.top, layout_.Scaled(15));
    const RECT expected = layout_.Place(184, 205, 350, 30);
    const RECT ok = PlaceInParent(GetDlgItem(help, IDC_HELP_OK));
    EXPECT_EQ(ok.left, expected.left);
    EXPECT_EQ(ok.top, expected.top);
    EXPECT_EQ(ok.right - ok.left, expected.right - expected.left);
    EXPECT_EQ(ok.bottom - ok.top, expected.bottom - expected.top);
}

// Only in height: grown in width too, it would be wider than the tests'
// desktop, which no window may be.
TEST_F(HelpWindowAtHighDensityTest, GrowsWithItsText) {
    Start();
    const RECT rect = ScreenRect(OpenHelp());
    EXPECT_EQ(rect.bottom - rect.top, layout_.Scaled(304));
}

} // namespace
} // namespace e2e
