// Acting on the program under test as a user would, from outside its process.
// Actions are posted, not sent, so that a click that opens a modal box does
// not hold up the test.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Clicks a button or check box (BM_CLICK: pressed and released in its middle).
void Click(HWND button);

// Replaces the text of an edit box, as typing over it would.
void SetText(HWND edit, const std::string& text);

bool IsChecked(HWND checkBox);

// The window of the program's user-interface thread that has the keyboard
// focus; nullptr when none has.
HWND FocusedWindow(HWND anyWindowOfTheProgram);

// True once the keyboard focus lies in that top-level window: right after it
// is shown, the focus may still be in the window that was active before.
bool HasFocusIn(HWND topLevelWindow);

// A key pressed and released while the window has the focus.
void PressKey(HWND window, WORD virtualKey);

// PressKey, returning once the window's thread has handled the key: a marker
// posted after it to a push button of the same thread (its pushed look,
// BM_SETSTATE, taken back afterwards) shows when the thread has got past it.
// Throws when it does not in time.
void PressKeyAndWaitHandled(HWND window, WORD virtualKey, HWND markerButton);

// The request that the close box, Alt+F4 or the taskbar's "Close" sends.
void RequestClose(HWND window);

// Restoring a minimized program, as a click on its taskbar entry does.
void RestoreFromTaskbar(HWND applicationWindow);

// A window command (WM_SYSCOMMAND: SC_MINIMIZE, SC_RESTORE, ...) as a caption
// button or the taskbar entry gives it, sent: the program has handled it when
// this returns. Throws when the program does not answer in time.
void SystemCommandAndWait(HWND window, WPARAM command);

// Chooses an item of a window's system menu with the keyboard, as a user
// does: Alt+Space opens the menu, the Up key goes from its bottom
// `fromTheBottom` items up (1: the last item), Enter chooses. Throws when the
// menu does not open or close in time.
void ChooseFromSystemMenu(HWND window, int fromTheBottom);
// The same for an item of a submenu: the Right key opens the submenu at
// `fromTheBottom`, the Down key goes `item` items down from its first.
void ChooseFromSystemSubmenu(HWND window, int fromTheBottom, int item);
// The popup menu that shows in the process (a window of the menu class
// "#32768"); nullptr while none shows.
HWND MenuOfProcess(DWORD processId);
// The system menu opened as above, its popup window; closed again without a
// choice, as a click elsewhere closes it (WM_CANCELMODE).
HWND OpenSystemMenu(HWND window);
void CloseMenu(HWND window);

// Keys typed on the keyboard: they go to whichever window has the keyboard
// focus. Letters and digits only.
void TypeOnKeyboard(const std::string& text);
void PressKeyOnKeyboard(WORD virtualKey);

} // namespace e2e
