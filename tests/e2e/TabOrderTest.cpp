// The focus starts in the width box, and Tab visits the controls in their tab
// order, "Quit" before "Help", skipping the hidden Memo1 and the labels.
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
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(mainWindow_) == controls_.Edit1; }))
        << "the focus is on " << Describe(FocusedWindow(mainWindow_));
}

TEST_F(TabOrderTest, TabVisitsTheControlsInOrderAndComesBack) {
    Start();
    const std::vector<std::pair<const char*, HWND>> order = {
        {"Edit2", controls_.Edit2},
        {"Restore resolution", controls_.Button1},
        {"Save resolution", controls_.Button2},
        {"Auto", controls_.CheckBox1},
        {"Save Icons", controls_.Button4},
        {"Restore Icons", controls_.Button5},
        {"Quit", controls_.BitBtn2},
        {"Help", controls_.BitBtn1},
        {"BitBtn3", controls_.BitBtn3},
        {"Edit1", controls_.Edit1},
    };
    HWND current = controls_.Edit1;
    for (const auto& [name, expected] : order) {
        current = GetNextDlgTabItem(mainWindow_, current, FALSE);
        ASSERT_EQ(current, expected) << "expected " << name << ", got " << Describe(current);
    }
}

} // namespace
} // namespace e2e
