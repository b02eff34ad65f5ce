#include "harness/SyncClick.h"

#include "harness/Wait.h"

#include <stdexcept>

namespace e2e {

void ClickAndWait(HWND button) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kTimeout.count()), &result)) {
        throw std::runtime_error("the click was not handled in time");
    }
    if (!WaitUntil([button] { return IsWindowEnabled(button) != FALSE; })) {
        throw std::runtime_error("the click's work did not end in time");
    }
}

} // namespace e2e
