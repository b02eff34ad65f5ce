// Every control of the main window: there once with its kind and caption
// (FindControls tells them apart by these), and at its place with its size as
// designed, scaled the way the program scales them on this screen.
#include "harness/Layout.h"
#include "harness/ProgramWindows.h"
#include "harness/VevoveTest.h"

#include <iterator>

namespace e2e {
namespace {

struct DesignedControl {
    const char* name;
    HWND MainWindowControls::*control;
    int left, top, width, height;
};

const DesignedControl kDesign[] = {
    {"CheckBox1 \"Auto\"", &MainWindowControls::CheckBox1, 127, 17, 57, 17},
    {"BitBtn3 (glyph only)", &MainWindowControls::BitBtn3, 224, 8, 30, 30},
    {"Label2 \"Width\"", &MainWindowControls::Label2, 39, 49, 28, 13},
    {"Edit1", &MainWindowControls::Edit1, 75, 45, 50, 21},
    {"Label1 \"X\"", &MainWindowControls::Label1, 131, 49, 7, 13},
    {"Edit2", &MainWindowControls::Edit2, 145, 46, 50, 21},
    {"Label3 \"Height\"", &MainWindowControls::Label3, 202, 49, 31, 13},
    {"Button1 \"Restore resolution\"", &MainWindowControls::Button1, 60, 80, 150, 30},
    {"Button2 \"Save resolution\"", &MainWindowControls::Button2, 60, 111, 150, 30},
    {"Memo1", &MainWindowControls::Memo1, 64, 133, 137, 33},
    {"Button4 \"Save Icons\"", &MainWindowControls::Button4, 60, 142, 150, 30},
    {"Button5 \"Restore Icons\"", &MainWindowControls::Button5, 60, 173, 150, 30},
    {"BitBtn1 \"Help\"", &MainWindowControls::BitBtn1, 60, 204, 150, 30},
    {"BitBtn2 \"Quit\"", &MainWindowControls::BitBtn2, 60, 235, 150, 30},
};

using ControlsTest = VevoveTest;

TEST_F(ControlsTest, EveryControlIsThereOnceWithItsKindAndCaption) {
    EXPECT_NO_THROW(Start());
}

TEST_F(ControlsTest, TheMainWindowHasNoOtherControls) {
    Start();
    EXPECT_EQ(ChildWindows(mainWindow_).size(), std::size(kDesign));
}

TEST_F(ControlsTest, EveryControlHasItsPlaceAndSize) {
    Start();
    for (const DesignedControl& designed : kDesign) {
        SCOPED_TRACE(designed.name);
        const RECT expected =
            PlaceOnScreen(designed.left, designed.top, designed.width, designed.height);
        const RECT actual = PlaceInParent(controls_.*designed.control);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right - actual.left, expected.right - expected.left);
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom - expected.top);
    }
}

TEST_F(ControlsTest, AllAreEnabledAndAllButMemo1Visible) {
    Start();
    for (const DesignedControl& designed : kDesign) {
        SCOPED_TRACE(designed.name);
        HWND control = controls_.*designed.control;
        EXPECT_TRUE(IsWindowEnabled(control));
        EXPECT_EQ(IsWindowVisible(control) != FALSE, control != controls_.Memo1);
    }
}

} // namespace
} // namespace e2e
