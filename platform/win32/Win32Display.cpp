#include "Win32Display.h"

#include <windows.h>

namespace vevove {

static_assert(sizeof(DEVMODEA) == 156, "the display-settings record of the published layout");

ScreenSize Win32Display::CurrentSize() {
    ScreenSize size;
    size.height = GetSystemMetrics(SM_CYSCREEN);
    size.width = GetSystemMetrics(SM_CXSCREEN);
    return size;
}

// Requests only width and height: the rest of the record comes from the
// driver's first mode (number 0, not the current-settings selector), and the
// fields mask says that it is not part of the request.
bool Win32Display::ChangeMode(std::uint32_t width, std::uint32_t height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmDriverExtra = 0;
    if (!EnumDisplaySettingsA(nullptr, 0, &mode)) {
        return false;
    }
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    return ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_SUCCESSFUL;
}

} // namespace vevove
