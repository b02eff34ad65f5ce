// Every control of the main window: there once with its kind and caption
// (every start finds them by these, see FindControls), no other control,
// enabled and visible but for the hidden edit box, and, on a screen of high
// density, at its designed place with its designed size scaled the way the
// program scales them.
#include "harness/Layout.h"
#include "harness/ProgramDensity.h"
#include "harness/ProgramWindows.h"
#include "harness/VevoveTest.h"

#include <iterator>

namespace e2e {
namespace {

struct DesignedControl {
    const char* name;
    HWND MainWindowControls::*control;
    int left, top, width, height;
    // A label has no size of its own: it takes that of its text.
    const char* label;
};

const DesignedControl kDesign[] = {
    {"check box \"Auto\"", &MainWindowControls::autoBox, 127, 17, 57, 17, nullptr},
    {"glyph-only button", &MainWindowControls::moreSoftware, 224, 8, 30, 30, nullptr},
    {"label \"Width\"", &MainWindowControls::widthLabel, 39, 49, 0, 0, "Width"},
    {"width box", &MainWindowControls::width, 75, 45, 50, 21, nullptr},
    {"label \"X\"", &MainWindowControls::times, 131, 49, 0, 0, "X"},
    {"height box", &MainWindowControls::height, 145, 46, 50, 21, nullptr},
    {"label \"Height\"", &MainWindowControls::heightLabel, 202, 49, 0, 0, "Height"},
    {"\"Restore resolution\"", &MainWindowControls::restoreResolution, 60, 80, 150, 30, nullptr},
    {"\"Save resolution\"", &MainWindowControls::saveResolution, 60, 111, 150, 30, nullptr},
    {"hidden multi-line box", &MainWindowControls::hiddenEdit, 64, 133, 137, 33, nullptr},
    {"\"Save Icons\"", &MainWindowControls::saveIcons, 60, 142, 150, 30, nullptr},
    {"\"Restore Icons\"", &MainWindowControls::restoreIcons, 60, 173, 150, 30, nullptr},
    {"\"Help\"", &MainWindowControls::help, 60, 204, 150, 30, nullptr},
    {"\"Quit\"", &MainWindowControls::quit, 60, 235, 150, 30, nullptr},
};

using ControlsTest = VevoveTest;

TEST_F(ControlsTest, TheMainWindowHasNoOtherControls) {
    Start();
    EXPECT_EQ(ChildWindows(mainWindow_).size(), std::size(kDesign));
}

TEST_F(ControlsTest, AllAreEnabledAndAllButTheMultiLineBoxVisible) {
    Start();
    for (const DesignedControl& designed : kDesign) {
        SCOPED_TRACE(designed.name);
        HWND control = controls_.*designed.control;
        EXPECT_TRUE(IsWindowEnabled(control));
        EXPECT_EQ(IsWindowVisible(control) != FALSE, control != controls_.hiddenEdit);
    }
}

class ControlsAtHighDensityTest : public VevoveTest {
  protected:
    const ProgramDensity density_{kHighDensity};
    const Layout layout_{kHighDensity, "MS Sans Serif"};
};

TEST_F(ControlsAtHighDensityTest, EveryControlHasItsScaledPlaceAndSize) {
    Start();
    for (const DesignedControl& designed : kDesign) {
        SCOPED_TRACE(designed.name);
        const RECT place =
            layout_.Place(designed.left, designed.top, designed.width, designed.height);
        const SIZE size = designed.label != nullptr
                              ? layout_.TextExtent(designed.label)
                              : SIZE{place.right - place.left, place.bottom - place.top};
        const RECT actual = PlaceInParent(controls_.*designed.control);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        EXPECT_EQ(actual.right - actual.left, size.cx);
        EXPECT_EQ(actual.bottom - actual.top, size.cy);
    }
}

TEST_F(ControlsAtHighDensityTest, TheMainWindowGrowsWithItsText) {
    Start();
    const RECT rect = ScreenRect(mainWindow_);
    EXPECT_EQ(rect.right - rect.left, layout_.Scaled(285));
    EXPECT_EQ(rect.bottom - rect.top, layout_.Scaled(330));
}

} // namespace
} // namespace e2e
