// The system's message box as the program under test shows it: a dialog of
// class "#32770" belonging to the program, its text in the static control with
// the id 0xFFFF, its button OK.
#pragma once

#include "harness/Wait.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::vector<HWND> MessageBoxes(DWORD processId);

// The program's first visible message box; nullptr when none shows in time.
HWND WaitForMessageBox(DWORD processId, Milliseconds timeout = kTimeout);

std::string MessageBoxText(HWND box);

void PressOk(HWND box);

} // namespace e2e
