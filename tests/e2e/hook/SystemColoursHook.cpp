// A window-procedure hook that the test harness loads into the program under
// test: the program sets a system colour itself when asked, in its own process
// (harness/SystemColours.h says why). The program's own window procedure then
// sees the message as one it does not know.
#include "SystemColoursHook.h"

#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    SetSystemColourHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT setColour = RegisterWindowMessageA(e2e::kSetSystemColourMessage);
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == setColour) {
        const int element = static_cast<int>(sent->wParam);
        const auto colour = static_cast<COLORREF>(sent->lParam);
        SetSysColors(1, &element, &colour);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
