// The main window as it first shows, and the hidden application window whose
// caption is the title derived from the executable's file name.
#include "harness/ProgramWindows.h"
#include "harness/VevoveTest.h"

#include <algorithm>

namespace e2e {
namespace {

using MainWindowTest = VevoveTest;

TEST_F(MainWindowTest, IsCaptionedVevove) {
    Start();
    EXPECT_EQ(Text(mainWindow_), "Vevove");
}

TEST_F(MainWindowTest, OuterSizeIs285By330) {
    Start();
    const RECT rect = ScreenRect(mainWindow_);
    EXPECT_EQ(rect.right - rect.left, 285);
    EXPECT_EQ(rect.bottom - rect.top, 330);
}

TEST_F(MainWindowTest, IsCentredOnTheVirtualDesktop) {
    Start();
    const RECT rect = ScreenRect(mainWindow_);
    // On the tests' 1024 x 768 desktop: (1024 - 285) / 2 = 369, (768 - 330) / 2 = 219.
    EXPECT_EQ(rect.left, std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - 285) / 2));
    EXPECT_EQ(rect.top, std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - 330) / 2));
}

TEST_F(MainWindowTest, ApplicationWindowIsCaptionedWithTheTitle) {
    Start();
    EXPECT_EQ(Text(ApplicationWindow()), "Vevove");
}

TEST_F(MainWindowTest, TitleIsTheFileNameUpToItsFirstFullStop) {
    Start({SW_SHOWNORMAL, "Vevove.new.exe"});
    EXPECT_EQ(Text(ApplicationWindow()), "Vevove");
}

TEST_F(MainWindowTest, TitleKeepsTheFirstLetterAndLowersTheRest) {
    Start({SW_SHOWNORMAL, "VEVOVE.EXE"});
    EXPECT_EQ(Text(ApplicationWindow()), "Vevove");
    EXPECT_EQ(Text(mainWindow_), "Vevove");
}

} // namespace
} // namespace e2e
