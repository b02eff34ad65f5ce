// The focus starts in the width box, and Tab visits the controls in their tab
// order, "Quit" before "Help", skipping the hidden multi-line box and the labels.
#include "harness/Input.h"
#include "harness/ProgramWindows.h"
#include "harness/VevoveTest.h"

#include <string>
#include <utility>
#include <vector>

namespace e2e {
namespace {

std::string Describe(HWND window) {
    return window ? ClassName(window) + " \"" + Text(window) + "\"" : "nothing";
}

using TabOrderTest = VevoveTest;

TEST_F(TabOrderTest, FocusStartsInTheWidthBox) {
    Start();
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(mainWindow_) == controls_.width; }))
        << "the focus is on " << Describe(FocusedWindow(mainWindow_));
}

TEST_F(TabOrderTest, TabVisitsTheControlsInOrderAndComesBack) {
    Start();
    const std::vector<std::pair<const char*, HWND>> order = {
        {"the height box", controls_.height},
        {"Restore resolution", controls_.restoreResolution},
        {"Save resolution", controls_.saveResolution},
        {"Auto", controls_.autoBox},
        {"Save Icons", controls_.saveIcons},
        {"Restore Icons", controls_.restoreIcons},
        {"Quit", controls_.quit},
        {"Help", controls_.help},
        {"the glyph-only button", controls_.moreSoftware},
        {"the width box", controls_.width},
    };
    HWND current = controls_.width;
    for (const auto& [name, expected] : order) {
        current = GetNextDlgTabItem(mainWindow_, current, FALSE);
        ASSERT_EQ(current, expected) << "expected " << name << ", got " << Describe(current);
    }
}

} // namespace
} // namespace e2e
