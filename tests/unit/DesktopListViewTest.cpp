#include "icons/DesktopListView.h"
#include "tests/fakes/FakePlatform.h"

#include <gtest/gtest.h>

namespace vevove::fake {
namespace {

constexpr std::uint32_t kOtherProcess = 0x1234;

TEST(FindDesktopListView, TakesTheListViewUnderProgman) {
    FakePlatform os;
    os.desktop.addWindow("Shell_TrayWnd", 0, os.desktop.process.id);
    const WindowHandle listView = os.desktop.startShell();
    EXPECT_EQ(FindDesktopListView(os), listView);
}

TEST(FindDesktopListView, TakesTheFirstChildAndGrandchildWhateverTheirClasses) {
    FakePlatform os;
    const WindowHandle progman = os.desktop.addWindow("Progman", 0, kOtherProcess);
    const WindowHandle child = os.desktop.addWindow("Static", progman, kOtherProcess);
    const WindowHandle grandchild = os.desktop.addWindow("Button", child, kOtherProcess);
    os.desktop.addWindow("SHELLDLL_DefView", progman, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(os), grandchild);
}

TEST(FindDesktopListView, NoProgmanAndNoWorkerWFindsNothingAndNeverSearchesFromAZeroParent) {
    FakePlatform os;
    os.desktop.addWindow("Notepad", 0, kOtherProcess);
    os.desktop.addWindow("Edit", 0, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(os), 0u);
    EXPECT_EQ(os.calls.count("FindWindowA"), 1);
    // The only top-level searches are those for "WorkerW" windows.
    EXPECT_EQ(os.calls.count("FindWindowExA"), 1);
}

TEST(FindDesktopListView, AProgmanWithoutGrandchildFindsNothing) {
    FakePlatform os;
    const WindowHandle progman = os.desktop.addWindow("Progman", 0, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(os), 0u);
    os.desktop.addWindow("SHELLDLL_DefView", progman, kOtherProcess);
    os.desktop.addWindow("Edit", 0, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(os), 0u);
}

TEST(FindDesktopListView, FallsBackToTheWorkerWThatHoldsTheView) {
    FakePlatform os;
    const WindowHandle listView = os.desktop.startShellUnderWorkerW();
    EXPECT_EQ(FindDesktopListView(os), listView);
}

TEST(FindDesktopListView, AWorkerWViewWithoutListFindsNothing) {
    FakePlatform os;
    const WindowHandle worker = os.desktop.addWindow("WorkerW", 0, kOtherProcess);
    const WindowHandle view = os.desktop.addWindow("SHELLDLL_DefView", worker, kOtherProcess);
    os.desktop.addWindow("DirectUIHWND", view, kOtherProcess);
    EXPECT_EQ(FindDesktopListView(os), 0u);
}

} // namespace
} // namespace vevove::fake
