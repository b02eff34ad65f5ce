// The messages the stand-in desktop's "Progman" and "WorkerW" windows answer
// for the tests and the benchmark, besides being the desktop (the tests send
// them to the top-level window that holds the view). All but kStandinHang
// are sent, so the work is done when SendMessage returns.
#pragma once

#include <windows.h>

// Writes "x<TAB>y<TAB>text" per icon, in item order, to the report file given
// on the command line; returns 1 when written. The texts are the list view's
// (ANSI), or with --unicode the shell view's names in UTF-8.
constexpr UINT kStandinWriteReport = WM_APP + 1;
// Moves icon wParam to x = (short)LOWORD(lParam), y = (short)HIWORD(lParam),
// as the user does by dragging it: with --folder-view the icon manager takes
// the new place too. Returns 1 when moved. (Places beyond 16 bits come only
// from the icons file.)
constexpr UINT kStandinMoveIcon = WM_APP + 2;
// Removes icon wParam (and with --unicode its name); returns 1 when removed.
constexpr UINT kStandinRemoveIcon = WM_APP + 3;
// Post it (PostMessage to "Progman"): the desktop's only thread, which owns
// the list view, then sleeps wParam milliseconds without taking messages, so
// that every message sent to the list view waits, and after 5 seconds
// IsHungAppWindow is true and SMTO_ABORTIFHUNG gives up at once. Sent, it
// would hold the sender as long.
constexpr UINT kStandinHang = WM_APP + 4;
// Refreshes the desktop (F5 on a real one): with --folder-view, every icon
// goes back where the icon manager has it, so that a place that another
// process set by list view messages alone is lost; returns 1. Without
// --folder-view there is no icon manager, nothing moves, and it returns 0.
constexpr UINT kStandinRefresh = WM_APP + 5;
// The next WM_STYLECHANGING that the list view gets, whoever changes its
// style, holds the desktop's only thread for wParam milliseconds before the
// style changes, like a desktop that hangs right then; returns 1.
constexpr UINT kStandinHangAtStyleChange = WM_APP + 6;
// How many messages the windows of --foreign-child and --foreign-only (the
// "ForeignWindow" and its "ForeignChild") have had that a list view would
// take (LVM_FIRST to LVM_FIRST + 0xFF) or that change their style
// (WM_STYLECHANGING): 0 while no one takes them for the desktop's.
constexpr UINT kStandinForeignMessages = WM_APP + 7;
// How many of the folder view's COM objects (--folder-view) are alive: 0
// when every client has released all it got.
constexpr UINT kStandinLiveComObjects = WM_APP + 8;
// With --folder-view, the next call that a client makes on one of the folder
// view's objects is turned away as a busy desktop turns it away
// (IncomingCalls.h): it does not run, and the client gets
// RPC_E_CALL_REJECTED. Returns 1.
constexpr UINT kStandinRejectNextCall = WM_APP + 9;
// How many calls to the folder view have been turned away so far.
constexpr UINT kStandinRejectedCalls = WM_APP + 10;
