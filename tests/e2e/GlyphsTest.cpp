// The glyphs of the bitmap buttons as the screen shows them: the red power
// sign on "Quit", the cyan question mark on "Help", the blue ball on the glyph
// button and the green check mark on the OK buttons, each with its
// transparent colour showing the button beneath.
#include "harness/Input.h"
#include "harness/MoreSoftwareWindow.h"
#include "harness/ProgramWindows.h"
#include "harness/ScreenPixels.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"
#include "resource.h"

#include <thread>

namespace e2e {
namespace {

// Time for a window to paint its controls after showing.
constexpr Milliseconds kPaintTime{700};
// The least number of pixels of a glyph's own colour; the smallest glyph
// part counted, the check mark's light edge, has more.
constexpr int kSomePixels = 10;

bool IsRed(COLORREF c) {
    return GetRValue(c) >= 150 && GetGValue(c) <= 100 && GetBValue(c) <= 100;
}
bool IsCyan(COLORREF c) {
    return c == RGB(0, 255, 255);
}
bool IsBlue(COLORREF c) {
    return GetBValue(c) >= 150 && GetRValue(c) <= 120;
}
bool IsGreen(COLORREF c) {
    return GetRValue(c) == 0 && GetGValue(c) >= 128 && GetBValue(c) == 0;
}
bool IsOlive(COLORREF c) {
    return c == RGB(128, 128, 0);
}
bool IsMagenta(COLORREF c) {
    return c == RGB(255, 0, 255);
}

ScreenPixels Painted(HWND control) {
    std::this_thread::sleep_for(kPaintTime);
    return ScreenPixels(control);
}

using GlyphsTest = VevoveTest;

TEST_F(GlyphsTest, QuitShowsItsRedGlyphWithoutTheCornerColour) {
    Start();
    const ScreenPixels quit = Painted(controls_.quit);
    EXPECT_GT(quit.Count(IsRed), 100);
    EXPECT_EQ(quit.Count(IsMagenta), 0);
}

TEST_F(GlyphsTest, HelpShowsItsCyanQuestionMarkWithoutTheOliveBackground) {
    Start();
    const ScreenPixels help = Painted(controls_.help);
    EXPECT_GT(help.Count(IsCyan), kSomePixels);
    EXPECT_EQ(help.Count(IsOlive), 0);
}

TEST_F(GlyphsTest, GlyphButtonShowsTheBlueBallOnTheButton) {
    Start();
    const ScreenPixels button = Painted(controls_.moreSoftware);
    EXPECT_GT(button.Count(IsBlue), 100);
    // Its white corners and letter show the button beneath, as the button
    // shows it just left of the glyph; the glyph is centred.
    const int left = (button.width() - 16) / 2;
    const int top = (button.height() - 16) / 2;
    EXPECT_EQ(button.at(left, top), button.at(left - 1, top));
    EXPECT_EQ(button.at(left + 15, top + 15), button.at(left - 1, top + 15));
    EXPECT_EQ(button.at(left + 7, top + 3), button.at(left - 1, top + 3));
}

TEST_F(GlyphsTest, OkButtonsShowTheGreenCheckMark) {
    Start();
    Click(controls_.help);
    HWND help = WaitForVisibleWindow(vevove().id(), vevove::kHelpWindowClass);
    ASSERT_NE(help, nullptr);
    const ScreenPixels helpOk = Painted(GetDlgItem(help, IDC_HELP_OK));
    EXPECT_GT(helpOk.Count(IsGreen), kSomePixels);
    EXPECT_EQ(helpOk.Count(IsOlive), 0);

    HWND moreSoftware = OpenMoreSoftware(vevove().id(), controls_.moreSoftware);
    const ScreenPixels moreSoftwareOk = Painted(GetDlgItem(moreSoftware, IDC_MORE_SOFTWARE_OK));
    EXPECT_GT(moreSoftwareOk.Count(IsGreen), kSomePixels);
    EXPECT_EQ(moreSoftwareOk.Count(IsOlive), 0);
}

} // namespace
} // namespace e2e
