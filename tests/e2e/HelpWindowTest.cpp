// The help window "Info": opened by "Help", one window at its stored place with
// its fixed lines of text, hidden by OK, Enter and the close box but not by Esc.
#include "harness/Input.h"
#include "harness/Layout.h"
#include "harness/ProgramWindows.h"
#include "harness/VevoveTest.h"
#include "resources/resource.h"

#include <iterator>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

struct HelpLine {
    int id;
    const char* name;
    int left, top;
    const char* text;
};

const HelpLine kLines[] = {
    {IDC_STATICTEXT8, "StaticText8", 47, 22, "Screen resolution"},
    {IDC_STATICTEXT2, "StaticText2", 47, 40,
     "When you run Vevove for the first time save your screen resolution by clicking the button "
     "'Save resolution'."},
    {IDC_STATICTEXT3, "StaticText3", 47, 55,
     "Check 'Auto' if the tool should restore the resolution every time it is started if "
     "necessary."},
    {IDC_STATICTEXT6, "StaticText6", 47, 71,
     "If 'Auto' is unchecked you have to click the button 'Restore resolution' to restore the "
     "screen resolution."},
    {IDC_STATICTEXT7, "StaticText7", 47, 88,
     "The button is only enabled if the current resolution differs from the saved resolution."},
    {IDC_STATICTEXT5, "StaticText5", 47, 105,
     "If you run Vevove on Windows start-up the screen resolution will be corrected "
     "automatically at system start-up if necessary."},
    {IDC_STATICTEXT1, "StaticText1", 47, 131, "Icons"},
    {IDC_STATICTEXT9, "StaticText9", 47, 148,
     "Use the button 'Save Icons'  to save your desktop icons positions"},
    {IDC_FORM2_LABEL1, "Label1", 47, 165,
     "Use the button 'Restore Icons' to restore the icon positions Sometimes you have to click "
     "the button several times to restore all icon positions."},
};

// The width of a one-line text in the window's font, "MS Sans Serif" 11
// pixels high at 96 dots per inch, regular or bold.
int TextWidth(const char* text, int weight) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(11, GetDeviceCaps(screen, LOGPIXELSY), 96), 0, 0, 0, weight,
                             FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32A(screen, text, lstrlenA(text), &extent);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return extent.cx;
}

// Time for a key or click that should change nothing to have had its effect.
constexpr Milliseconds kNoEffectTime{1000};

class HelpWindowTest : public VevoveTest {
  protected:
    HWND OpenHelp() {
        Click(controls_.BitBtn1);
        HWND help = WaitForVisibleWindow(vevove().id(), "TForm2");
        if (!help) {
            throw std::runtime_error("the help window (class TForm2) did not show");
        }
        return help;
    }

    bool Hides(HWND window) {
        return WaitUntil([&] { return !IsWindowVisible(window); });
    }
};

TEST_F(HelpWindowTest, HelpTwiceShowsOneInfoWindowAtItsStoredPlace) {
    Start();
    HWND help = OpenHelp();
    Click(controls_.BitBtn1);
    std::this_thread::sleep_for(kNoEffectTime);
    EXPECT_EQ(TopLevelWindows(vevove().id(), "TForm2").size(), 1u);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(GetForegroundWindow(), help);
    EXPECT_EQ(Text(help), "Info");
    const RECT rect = ScreenRect(help);
    EXPECT_EQ(rect.left, 440);
    EXPECT_EQ(rect.top, 295);
    EXPECT_EQ(rect.right - rect.left, 764);
    EXPECT_EQ(rect.bottom - rect.top, 304);
}

TEST_F(HelpWindowTest, HoldsTheExactTextsAtTheirPlaces) {
    Start();
    HWND help = OpenHelp();
    for (const HelpLine& line : kLines) {
        SCOPED_TRACE(line.name);
        HWND control = GetDlgItem(help, line.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), "Static");
        EXPECT_EQ(Text(control), line.text);
        const RECT expected = PlaceOnScreen(line.left, line.top, 0, 0);
        const RECT actual = PlaceInParent(control);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    EXPECT_EQ(ChildWindows(help).size(), std::size(kLines) + 1);
}

// Every text but StaticText9 is as wide as its text; the two headings are
// bold.
TEST_F(HelpWindowTest, TextsSizeThemselvesAndTheHeadingsAreBold) {
    Start();
    HWND help = OpenHelp();
    for (const HelpLine& line : kLines) {
        SCOPED_TRACE(line.name);
        const RECT place = PlaceInParent(GetDlgItem(help, line.id));
        const int width = place.right - place.left;
        if (line.id == IDC_STATICTEXT9) {
            const RECT fixed = PlaceOnScreen(47, 148, 472, 15);
            EXPECT_EQ(width, fixed.right - fixed.left);
            EXPECT_EQ(place.bottom - place.top, fixed.bottom - fixed.top);
        } else if (line.id == IDC_STATICTEXT8 || line.id == IDC_STATICTEXT1) {
            EXPECT_EQ(width, TextWidth(line.text, FW_BOLD));
            EXPECT_GT(width, TextWidth(line.text, FW_NORMAL));
        } else {
            EXPECT_EQ(width, TextWidth(line.text, FW_NORMAL));
        }
    }
}

TEST_F(HelpWindowTest, OkButtonIsTheOnlyTabStop) {
    Start();
    HWND help = OpenHelp();
    HWND ok = GetDlgItem(help, IDC_FORM2_BITBTN1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ClassName(ok), "Button");
    EXPECT_EQ(Text(ok), "OK");
    const RECT expected = PlaceOnScreen(184, 205, 350, 30);
    const RECT actual = PlaceInParent(ok);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right - actual.left, expected.right - expected.left);
    EXPECT_EQ(actual.bottom - actual.top, expected.bottom - expected.top);
    for (HWND child : ChildWindows(help)) {
        EXPECT_EQ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0, child == ok) << Text(child);
    }
}

TEST_F(HelpWindowTest, EnterRightAfterOpeningHidesIt) {
    Start();
    HWND help = OpenHelp();
    ASSERT_TRUE(WaitUntil([&] { return HasFocusIn(help); }));
    PressKey(FocusedWindow(help), VK_RETURN);
    EXPECT_TRUE(Hides(help));
}

TEST_F(HelpWindowTest, EscDoesNothing) {
    Start();
    HWND help = OpenHelp();
    ASSERT_TRUE(WaitUntil([&] { return HasFocusIn(help); }));
    PressKey(FocusedWindow(help), VK_ESCAPE);
    std::this_thread::sleep_for(kNoEffectTime);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
}

TEST_F(HelpWindowTest, OkHidesIt) {
    Start();
    HWND help = OpenHelp();
    Click(GetDlgItem(help, IDC_FORM2_BITBTN1));
    EXPECT_TRUE(Hides(help));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
}

TEST_F(HelpWindowTest, CloseBoxHidesIt) {
    Start();
    HWND help = OpenHelp();
    RequestClose(help);
    EXPECT_TRUE(Hides(help));
    EXPECT_TRUE(IsWindow(help));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
}

TEST_F(HelpWindowTest, ShownAgainWhereTheUserMovedIt) {
    Start();
    HWND help = OpenHelp();
    SetWindowPos(help, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Click(GetDlgItem(help, IDC_FORM2_BITBTN1));
    ASSERT_TRUE(Hides(help));
    OpenHelp();
    const RECT rect = ScreenRect(help);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
}

TEST_F(HelpWindowTest, MainWindowStaysUsable) {
    Start();
    HWND help = OpenHelp();
    Click(controls_.BitBtn3);
    EXPECT_NE(WaitForVisibleWindow(vevove().id(), "TFormFreeware"), nullptr);
    EXPECT_TRUE(IsWindowVisible(help));
    PressKey(controls_.Edit1, VK_ESCAPE);
    EXPECT_TRUE(vevove().waitForExit().has_value());
}

} // namespace
} // namespace e2e
