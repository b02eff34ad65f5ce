// The messages the stand-in desktop's top-level windows answer for the tests
// and the benchmark, besides being the desktop. All are sent, so the work is
// done when SendMessage returns.
#pragma once

#include <windows.h>

// Writes "x<TAB>y<TAB>text" per icon, in item order, to the report file given
// on the command line; returns 1 when written.
constexpr UINT kStandinWriteReport = WM_APP + 1;
// Moves icon wParam to x = (short)LOWORD(lParam), y = (short)HIWORD(lParam).
constexpr UINT kStandinMoveIcon = WM_APP + 2;
// Removes icon wParam.
constexpr UINT kStandinRemoveIcon = WM_APP + 3;
