// Wine's notification area, as a user sees it: a bar along the bottom of the
// virtual desktop that shows while it holds an icon, the icons painted from
// its right end in slots of 20 pixels, with no window of their own.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The bar; nullptr when the desktop has none.
HWND NotificationBar();
// True while the bar shows an icon.
bool NotificationIconShown();

// A click (left, or right for the menu) on the first icon from the right.
void ClickNotificationIcon();
void RightClickNotificationIcon();

// Opens the icon's menu with a right click and chooses the item at
// `position` (1: the first, separators not counted) with the keyboard, as
// a user does; throws when the menu does not open or close in time.
void ChooseFromNotificationMenu(DWORD processId, int position);
// The menu opened as above, its popup window; closed again without a choice.
HWND OpenNotificationMenu(DWORD processId);
void CloseNotificationMenu(DWORD processId);

// The tip that shows while the mouse rests on the icon, brought there anew;
// empty when none shows in time.
std::string NotificationTip();

} // namespace e2e
