// The more-software window "FormFreeware": opened by the glyph button, on top
// of other windows, without system menu, centred on the main window the first
// time; on a screen of high density its layout scaled with its text. What it
// does alike with "Info" is in SecondaryWindowsTest.
#include "harness/MoreSoftwareWindow.h"
#include "harness/Input.h"
#include "harness/Layout.h"
#include "harness/ProgramDensity.h"
#include "harness/ProgramWindows.h"
#include "harness/ScreenPixels.h"
#include "harness/SystemColours.h"
#include "harness/VevoveTest.h"

#include "WindowClasses.h"
#include "resource.h"

#include <algorithm>
#include <string>

namespace e2e {
namespace {

class MoreSoftwareWindowTest : public VevoveTest {
  protected:
    HWND Open() { return OpenMoreSoftware(vevove().id(), controls_.moreSoftware); }
};

TEST_F(MoreSoftwareWindowTest, IsOnTopWithoutSystemMenu) {
    Start();
    HWND window = Open();
    EXPECT_EQ(Text(window), "FormFreeware");
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(style & WS_CAPTION, 0);
}

TEST_F(MoreSoftwareWindowTest, FirstShowingIsCentredOnTheMainWindow) {
    Start();
    HWND window = Open();
    const RECT main = ScreenRect(mainWindow_);
    const RECT own = ScreenRect(window);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    EXPECT_EQ(own.left, std::max(0L, main.left + (main.right - main.left - width) / 2));
    EXPECT_EQ(own.top, std::max(0L, main.top + (main.bottom - main.top - height) / 2));
}

struct DesignedLabel {
    int id;
    int left, top;
    COLORREF colour;
    const char* name;
};

constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

const DesignedLabel kLabels[] = {
    {IDC_OFFERS_HEADING, 17, 11, kNavy, "heading"},
    {IDC_SHOP_ADDRESS, 207, 11, kPurple, "shop address"},
    {IDC_PHOTOS_NAME, 17, 39, kPurple, "first product"},
    {IDC_PHOTOS_TEXT, 17, 60, kBlack, "first description"},
    {IDC_BACKUP_NAME, 17, 115, kPurple, "second product"},
    {IDC_BACKUP_TEXT, 17, 138, kBlack, "second description"},
    {IDC_EDITOR_NAME, 17, 193, kPurple, "third product"},
    {IDC_EDITOR_TEXT, 17, 214, kBlack, "third description"},
    {IDC_SUITE_NAME, 17, 253, kPurple, "fourth product"},
    {IDC_SUITE_TEXT, 17, 274, kBlack, "fourth description"},
    {IDC_FREE_TOOLS_HEADING, 18, 342, kPurple, "free tools"},
    {IDC_CLOCK_TEXT, 127, 382, kBlack, "second tool's line"},
};

TEST_F(MoreSoftwareWindowTest, LabelsHaveTheirTextsAndColours) {
    Start();
    HWND window = Open();
    for (const DesignedLabel& label : kLabels) {
        SCOPED_TRACE(label.name);
        HWND control = GetDlgItem(window, label.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), "Static");
        EXPECT_FALSE(Text(control).empty());
        EXPECT_TRUE(WaitUntil([&] {
            return ScreenPixels(control).Count([&](COLORREF c) { return c == label.colour; }) > 0;
        }));
    }
    EXPECT_EQ(Text(GetDlgItem(window, IDC_FREE_TOOLS_HEADING)), "Freeware tools");
    EXPECT_EQ(Text(GetDlgItem(window, IDC_VEVOVE_NAME)), "Vevove");
    EXPECT_EQ(Text(GetDlgItem(window, IDC_VEVOVE_TEXT)),
              "Restore desktop icons and screen resolution");
}

// On a face their own colours would vanish on, the coloured labels take the
// system's button text; the labels in window text keep it. The OK button,
// drawn with Wine's visual style, shows its caption in the style's text
// colour, which stands out from the style's face, not in the system's.
TEST_F(MoreSoftwareWindowTest, LabelsStayReadableInAHighContrastScheme) {
    const SystemColours dark(DarkScheme());
    Start();
    HWND window = Open();
    for (const DesignedLabel& label : kLabels) {
        SCOPED_TRACE(label.name);
        HWND control = GetDlgItem(window, label.id);
        EXPECT_TRUE(WaitUntil([&] { return ShowsTextOn(control, kDarkButtonText, kDarkFace); }));
    }
    HWND windowText = GetDlgItem(window, IDC_VEVOVE_TEXT);
    EXPECT_TRUE(WaitUntil([&] { return ShowsTextOn(windowText, kDarkWindowText, kDarkFace); }));
    const ScreenPixels ok(GetDlgItem(window, IDC_MORE_SOFTWARE_OK));
    EXPECT_EQ(ok.Count([](COLORREF c) { return c == kDarkButtonText; }), 0);
}

class MoreSoftwareWindowAtHighDensityTest : public MoreSoftwareWindowTest {
  protected:
    const ProgramDensity density_{kHighDensity};
    const Layout layout_{kHighDensity, "Tahoma"};
};

TEST_F(MoreSoftwareWindowAtHighDensityTest, ClientSizeIs534By504Scaled) {
    Start();
    HWND window = Open();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, layout_.Scaled(534));
    EXPECT_EQ(client.bottom, layout_.Scaled(504));
}

TEST_F(MoreSoftwareWindowAtHighDensityTest, LabelsAndOkHaveTheirScaledPlaces) {
    Start();
    HWND window = Open();
    for (const DesignedLabel& label : kLabels) {
        SCOPED_TRACE(label.name);
        const RECT place = PlaceInParent(GetDlgItem(window, label.id));
        EXPECT_EQ(place.left, layout_.Scaled(label.left));
        EXPECT_EQ(place.top, layout_.Scaled(label.top));
    }
    const RECT expected = layout_.Place(171, 449, 201, 32);
    const RECT ok = PlaceInParent(GetDlgItem(window, IDC_MORE_SOFTWARE_OK));
    EXPECT_EQ(ok.left, expected.left);
    EXPECT_EQ(ok.top, expected.top);
    EXPECT_EQ(ok.right - ok.left, expected.right - expected.left);
    EXPECT_EQ(ok.bottom - ok.top, expected.bottom - expected.top);
}

} // namespace
} // namespace e2e
