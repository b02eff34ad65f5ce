#include "harness/MoreSoftwareWindow.h"

#include "harness/Input.h"
#include "harness/ProgramWindows.h"

#include "WindowClasses.h"

#include <stdexcept>
#include <string>

namespace e2e {

HWND OpenMoreSoftware(DWORD processId, HWND glyphButton) {
    Click(glyphButton);
    HWND window = WaitForVisibleWindow(processId, vevove::kMoreSoftwareWindowClass);
    if (!window) {
        throw std::runtime_error(std::string("the more-software window (class ") +
                                 vevove::kMoreSoftwareWindowClass + ") did not show");
    }
    return window;
}

} // namespace e2e
