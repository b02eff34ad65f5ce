// The messages the stand-in desktop's top-level windows ("Progman", and the
// "WorkerW"s with --workerw) answer for the tests and the benchmark, besides
// being the desktop. All but kStandinHang are sent, so the work is done when
// SendMessage returns.
#pragma once

#include <windows.h>

// Writes "x<TAB>y<TAB>text" per icon, in item order, to the report file given
// on the command line; returns 1 when written. The texts are the list view's
// (ANSI), or with --unicode the shell view's names in UTF-8.
constexpr UINT kStandinWriteReport = WM_APP + 1;
// Moves icon wParam to x = (short)LOWORD(lParam), y = (short)HIWORD(lParam).
constexpr UINT kStandinMoveIcon = WM_APP + 2;
// Removes icon wParam (and with --unicode its name); returns 1 when removed.
constexpr UINT kStandinRemoveIcon = WM_APP + 3;
// Post it (PostMessage to "Progman"): the desktop's only thread, which owns
// the list view, then sleeps wParam milliseconds without taking messages, so
// that every message sent to the list view waits, and after 5 seconds
// IsHungAppWindow is true and SMTO_ABORTIFHUNG gives up at once. Sent, it
// would hold the sender as long.
constexpr UINT kStandinHang = WM_APP + 4;
