#include "harness/ErrorBox.h"

#include "harness/Input.h"
#include "harness/ProgramWindows.h"

#include <stdexcept>

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

HWND Item(HWND box, int id) {
    HWND item = GetDlgItem(box, id);
    if (!item) {
        throw std::runtime_error("the message box has no item " + std::to_string(id));
    }
    return item;
}

} // namespace

std::vector<HWND> MessageBoxes(DWORD processId) {
    return TopLevelWindows(processId, "#32770");
}

HWND WaitForMessageBox(DWORD processId, Milliseconds timeout) {
    return WaitForVisibleWindow(processId, "#32770", timeout);
}

std::string MessageBoxText(HWND box) {
    return Text(Item(box, kMessageTextId));
}

void PressOk(HWND box) {
    Click(Item(box, IDOK));
}

} // namespace e2e
