// Resource and control identifiers shared by the resource script and the code.
// Control ids are named by kind and role; their numbers stay as other programs
// have always seen them.
#pragma once

#define IDI_VEVOVE 1
#define IDR_MANIFEST 1

// Button glyphs; Help.bmp and Ok.bmp hold the glyph and its greyed twin side by side.
#define IDB_QUIT 201
#define IDB_INFO 202
#define IDB_HELP 203
#define IDB_OK 204

// Main window
#define IDC_WIDTH 101
#define IDC_HEIGHT 102
#define IDC_HIDDEN_EDIT 103 // a multi-line edit box, never shown
#define IDC_RESTORE_RESOLUTION 104
#define IDC_SAVE_RESOLUTION 105
#define IDC_AUTO 106
#define IDC_SAVE_ICONS 107
#define IDC_RESTORE_ICONS 108
#define IDC_QUIT 109
#define IDC_SHOW_HELP 110
#define IDC_MORE_SOFTWARE 111 // the glyph-only button
#define IDC_TIMES_LABEL 112   // "X" between width and height
#define IDC_WIDTH_LABEL 113
#define IDC_HEIGHT_LABEL 114

// The main window's timers: the resolution check, and the looks at the
// desktop before an automatic icon restore
#define IDT_CHECK_TIMER 1
#define IDT_ICON_RESTORE_TIMER 2
#define IDT_DESKTOP_WATCH_TIMER 3

// The main window's system menu items; system commands keep their low four
// bits clear.
#define IDM_START_WITH_WINDOWS 0x0110
#define IDM_RESTORE_ICONS_AUTOMATICALLY 0x0120
#define IDM_UNDO_RESTORE 0x0130
// The earlier layouts, newest first: the first, and the step to the next.
#define IDM_EARLIER_LAYOUT 0x0200
#define IDM_EARLIER_LAYOUT_STEP 0x0010

// The notification-area menu's own items; the others are the buttons' and
// the system menu's.
#define IDM_OPEN 0x0140
#define IDM_QUIT 0x0150

// The notification-area icon's identifier and the message it sends to the
// main window.
#define IDN_NOTIFICATION_ICON 1

// Help window
#define IDC_HELP_OK 301
#define IDC_ICONS_HEADING 302
#define IDC_FIRST_RUN_TEXT 303
#define IDC_AUTO_TEXT 304
#define IDC_START_UP_TEXT 305
#define IDC_MANUAL_TEXT 306
#define IDC_ENABLED_TEXT 307
#define IDC_RESOLUTION_HEADING 308
#define IDC_SAVE_ICONS_TEXT 309
#define IDC_RESTORE_ICONS_TEXT 310

// More-software window
#define IDC_MORE_SOFTWARE_OK 400
#define IDC_OFFERS_HEADING 401
#define IDC_SUITE_NAME 402
#define IDC_PHOTOS_TEXT 403
#define IDC_PHOTOS_NAME 404
#define IDC_SUITE_TEXT 405
#define IDC_BACKUP_NAME 406
#define IDC_BACKUP_TEXT 407
#define IDC_FREE_TOOLS_HEADING 408
#define IDC_CLOCK_TEXT 409
#define IDC_ON_TOP_TEXT 410
#define IDC_VEVOVE_TEXT 411
#define IDC_ON_TOP_NAME 412
#define IDC_VEVOVE_NAME 413
#define IDC_CLOCK_NAME 414
#define IDC_CLIPBOARD_NAME 415
#define IDC_CLIPBOARD_TEXT 416
#define IDC_SHOP_ADDRESS 417
#define IDC_EDITOR_NAME 418
#define IDC_EDITOR_TEXT 419
