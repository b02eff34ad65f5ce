#include "harness/Screen.h"

#include "harness/Wait.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace e2e {

bool ScreenIs(int width, int height) {
    return GetSystemMetrics(SM_CXSCREEN) == width && GetSystemMetrics(SM_CYSCREEN) == height;
}

void SetScreen(int width, int height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    ASSERT_EQ(ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
    ASSERT_TRUE(WaitUntil([&] { return ScreenIs(width, height); }));
}

} // namespace e2e
