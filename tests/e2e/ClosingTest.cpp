// Esc, "Quit" and the close box end Vevove at once, with exit code 0.
#include "harness/Input.h"
#include "harness/VevoveTest.h"

#include <optional>

namespace e2e {
namespace {

const std::optional<DWORD> kExitCode0 = 0;

using ClosingTest = VevoveTest;

TEST_F(ClosingTest, EscInTheWidthBoxEndsIt) {
    Start();
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(mainWindow_) == controls_.width; }));
    PressKey(controls_.width, VK_ESCAPE);
    EXPECT_EQ(vevove().waitForExit(), kExitCode0);
}

TEST_F(ClosingTest, QuitEndsIt) {
    Start();
    Click(controls_.quit);
    EXPECT_EQ(vevove().waitForExit(), kExitCode0);
}

TEST_F(ClosingTest, CloseBoxEndsIt) {
    Start();
    RequestClose(mainWindow_);
    EXPECT_EQ(vevove().waitForExit(), kExitCode0);
}

} // namespace
} // namespace e2e
