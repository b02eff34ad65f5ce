// The notification area as the benchmarks watch it: the shell's own record of
// a program's icon, and the bar that Wine's explorer shows along the bottom of
// its virtual desktop while it holds any icon (right after the first icon
// arrives, and hidden again with the last).
#pragma once

#include "LaunchedProgram.h"

#include <windows.h>

// The bar; nullptr when the desktop has none.
HWND NotificationBar();
bool NotificationBarShown();

// True once the notification area holds the icon `id` of the window `owner`.
bool HoldsNotificationIcon(HWND owner, UINT id);

// Waits until Vevove's icon is in the notification area: its main window,
// hidden in a background run, exists and the shell holds the icon it added
// for it. False when the program ends or the time runs out first.
bool WaitForVevoveIcon(const LaunchedProgram& vevove, DWORD timeoutMs);
bool WaitUntilNotificationBarShown(DWORD timeoutMs);
bool WaitUntilNotificationBarHidden(DWORD timeoutMs);
