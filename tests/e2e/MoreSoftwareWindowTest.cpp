// The more-software window "FormFreeware": opened by the glyph button, on top
// of other windows, without system menu, centred on the main window the first
// time, hidden by OK and Enter but not by Esc.
#include "harness/MoreSoftwareWindow.h"
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/ScreenPixels.h"
#include "harness/VevoveTest.h"
#include "resources/resource.h"

#include <algorithm>
#include <string>
#include <thread>

namespace e2e {
namespace {

// Time for a key or click that should change nothing to have had its effect.
constexpr Milliseconds kNoEffectTime{1000};

class MoreSoftwareWindowTest : public VevoveTest {
  protected:
    HWND Open() { return OpenMoreSoftware(vevove().id(), controls_.BitBtn3); }

    bool Hides(HWND window) {
        return WaitUntil([&] { return !IsWindowVisible(window); });
    }
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

TEST_F(MoreSoftwareWindowTest, ClientSizeIs534By504Scaled) {
    Start();
    HWND window = Open();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, OnMoreSoftwareScreen(534));
    EXPECT_EQ(client.bottom, OnMoreSoftwareScreen(504));
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

TEST_F(MoreSoftwareWindowTest, LaterShowingsKeepTheirPlace) {
    Start();
    HWND window = Open();
    SetWindowPos(window, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Click(GetDlgItem(window, IDC_FREEWARE_BITBTN1));
    ASSERT_TRUE(Hides(window));
    Open();
    const RECT rect = ScreenRect(window);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
}

TEST_F(MoreSoftwareWindowTest, OkHidesIt) {
    Start();
    HWND window = Open();
    HWND ok = GetDlgItem(window, IDC_FREEWARE_BITBTN1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(Text(ok), "OK");
    const RECT place = PlaceInParent(ok);
    EXPECT_EQ(place.left, OnMoreSoftwareScreen(171));
    EXPECT_EQ(place.top, OnMoreSoftwareScreen(449));
    EXPECT_EQ(place.right - place.left, OnMoreSoftwareScreen(201));
    EXPECT_EQ(place.bottom - place.top, OnMoreSoftwareScreen(32));
    Click(ok);
    EXPECT_TRUE(Hides(window));
    EXPECT_TRUE(IsWindowVisible(mainWindow_));
}

TEST_F(MoreSoftwareWindowTest, EnterHidesItAndEscDoesNot) {
    Start();
    HWND window = Open();
    ASSERT_TRUE(WaitUntil([&] { return HasFocusIn(window); }));
    PressKey(FocusedWindow(window), VK_ESCAPE);
    std::this_thread::sleep_for(kNoEffectTime);
    ASSERT_TRUE(IsWindowVisible(window));
    PressKey(FocusedWindow(window), VK_RETURN);
    EXPECT_TRUE(Hides(window));
}

struct DesignedLabel {
    int number;
    int left, top;
    COLORREF colour;
};

constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

const DesignedLabel kLabels[] = {
    {1, 17, 11, kNavy},    {17, 207, 11, kPurple}, {4, 17, 39, kPurple},   {3, 17, 60, kBlack},
    {6, 17, 115, kPurple}, {7, 17, 138, kBlack},   {18, 17, 193, kPurple}, {19, 17, 214, kBlack},
    {2, 17, 253, kPurple}, {5, 17, 274, kBlack},   {8, 18, 342, kPurple},  {9, 127, 382, kBlack},
};

TEST_F(MoreSoftwareWindowTest, LabelsHaveTheirPlacesAndColours) {
    Start();
    HWND window = Open();
    std::this_thread::sleep_for(kNoEffectTime);
    for (const DesignedLabel& label : kLabels) {
        SCOPED_TRACE("Label" + std::to_string(label.number));
        HWND control = GetDlgItem(window, IDC_FREEWARE_LABEL(label.number));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), "Static");
        EXPECT_FALSE(Text(control).empty());
        const RECT place = PlaceInParent(control);
        EXPECT_EQ(place.left, OnMoreSoftwareScreen(label.left));
        EXPECT_EQ(place.top, OnMoreSoftwareScreen(label.top));
        const ScreenPixels pixels(control);
        EXPECT_GT(pixels.Count([&](COLORREF c) { return c == label.colour; }), 0);
    }
    EXPECT_EQ(Text(GetDlgItem(window, IDC_FREEWARE_LABEL(8))), "Freeware tools");
    EXPECT_EQ(Text(GetDlgItem(window, IDC_FREEWARE_LABEL(13))), "Vevove");
    EXPECT_EQ(Text(GetDlgItem(window, IDC_FREEWARE_LABEL(11))),
              "Restore desktop icons and screen resolution");
}

TEST_F(MoreSoftwareWindowTest, SecondPressKeepsOneWindow) {
    Start();
    HWND window = Open();
    Click(controls_.BitBtn3);
    std::this_thread::sleep_for(kNoEffectTime);
    EXPECT_EQ(TopLevelWindows(vevove().id(), "TFormFreeware").size(), 1u);
    EXPECT_TRUE(IsWindowVisible(window));
}

} // namespace
} // namespace e2e
