#include "harness/MoreSoftwareWindow.h"

#include "harness/Input.h"
#include "harness/ProgramWindows.h"

#include <stdexcept>

namespace e2e {

HWND OpenMoreSoftware(DWORD processId, HWND glyphButton) {
    Click(glyphButton);
    HWND window = WaitForVisibleWindow(processId, "TFormFreeware");
    if (!window) {
        throw std::runtime_error("the more-software window (class TFormFreeware) did not show");
    }
    return window;
}

int OnMoreSoftwareScreen(int designValue) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(11, GetDeviceCaps(screen, LOGPIXELSY), 96), 0, 0, 0, FW_NORMAL,
                             FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma");
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32A(screen, "0", 1, &extent);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return MulDiv(designValue, extent.cy, 13);
}

} // namespace e2e
