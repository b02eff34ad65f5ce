// What the test harness and the hook library it loads into the program under
// test agree on (harness/SystemColours.h).
#pragma once

namespace e2e {

constexpr const char* kSystemColoursHookLibrary = "SystemColoursHook.dll";
constexpr const char* kSystemColoursHookProcedure = "SetSystemColourHook";
// Sent to a window of the program: wParam is the element (COLOR_...), lParam
// the colour to give it.
constexpr const char* kSetSystemColourMessage = "Vevove e2e: set a system colour";

} // namespace e2e
