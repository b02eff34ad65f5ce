// The desktop's own record of where its icons lie, as Windows 10 1809 and
// later keep it beside the list view (--folder-view): the folder view answers
// from it, and a refresh of the desktop puts every list view item back where
// it says. What the user does (dragging an icon, kStandinMoveIcon) and what
// the folder view is asked to do reaches both; a position that another
// process sets on the list view by its messages reaches the list view only,
// and is lost at the next refresh.
//
// Icons are known by their number, which every list view item carries as its
// lParam: their place in the icons file, and for the icons that come late
// (--late-icons) their place in that file after the first file's icons.
#pragma once

#include <windows.h>

// Starts the record, with every item where the list view holds it now.
// Without this call there is no record, and only the list view moves.
void StartIconManager(HWND listView);
bool IconManagerRunning();

// The list view item of icon `id`, or -1 when it is not there.
int ItemOfIcon(HWND listView, int id);
int IconOfItem(HWND listView, int item);

// Moves the item, and records where the list view put it; false when the
// list view has no such item.
bool MoveIcon(HWND listView, int item, POINT position);
// Where the record has icon `id`; false when it has none.
bool RecordedPosition(int id, POINT& position);
// Records every item where the list view holds it now.
void RecordAllPositions(HWND listView);
// Puts every item back where the record has it; false without a record.
bool RefreshIcons(HWND listView);
