#include "DesktopListView.h"
#include "FakeDesktop.h"

#include <gtest/gtest.h>

namespace vevove::fake {
namespace {

constexpr std::uint32_t kOtherProcess = 0x1234;

TEST(FindDesktopListView, TakesTheListViewUnderProgman) {
    FakeDesktop desktop;
    desktop.AddWindow("Shell_TrayWnd", 0, desktop.shellProcessId);
    const WindowId listView = desktop.StartShell();
    EXPECT_EQ(FindDesktopListView(desktop), listView);
}

TEST(FindDesktopListView, TakesTheFirstChildAndGrandchildWhateverTheirClasses) {
    FakeDesktop desktop;
    const WindowId progman = desktop.AddWindow("Progman", 0, kOtherProcess);
    const WindowId child = desktop.AddWindow("Static", progman, kOtherProcess);
    const WindowId grandchild = desktop.AddWindow("Button", child, kOtherProcess);
    desktop.AddWindow("SHELLDLL_DefView", progman, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(desktop), grandchild);
}

TEST(FindDesktopListView, WithoutProgmanOrAWorkerWViewOtherWindowsAreNotTaken) {
    FakeDesktop desktop;
    desktop.AddWindow("Notepad", 0, kOtherProcess);
    desktop.AddWindow("Edit", 0, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(desktop), 0u);
}

TEST(FindDesktopListView, AProgmanWithoutGrandchildFindsNothing) {
    FakeDesktop desktop;
    const WindowId progman = desktop.AddWindow("Progman", 0, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(desktop), 0u);
    desktop.AddWindow("SHELLDLL_DefView", progman, kOtherProcess);
    desktop.AddWindow("Edit", 0, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(desktop), 0u);
}

TEST(FindDesktopListView, FallsBackToTheWorkerWThatHoldsTheView) {
    FakeDesktop desktop;
    const WindowId listView = desktop.StartShellUnderWorkerW();
    EXPECT_EQ(FindDesktopListView(desktop), listView);
}

TEST(FindDesktopListView, AWorkerWViewWithoutListFindsNothing) {
    FakeDesktop desktop;
    const WindowId worker = desktop.AddWindow("WorkerW", 0, kOtherProcess);
    const WindowId view = desktop.AddWindow("SHELLDLL_DefView", worker, kOtherProcess);
    desktop.AddWindow("DirectUIHWND", view, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(desktop), 0u);
}

} // namespace
} // namespace vevove::fake
