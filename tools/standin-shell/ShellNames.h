// The icons' names as the shell view holds them in --unicode mode, as on a
// real desktop: the list view's items carry no text of their own
// (LPSTR_TEXTCALLBACKW), and the list view asks its "SHELLDLL_DefView" parent
// for each text through LVN_GETDISPINFOW, which is answered from this table.
// The table is in item order and also holds each icon's file name, which the
// folder view (--folder-view) gives out. Each item's lParam is its icon's
// number (IconManager.h), which stays when other icons are removed.
#pragma once

#include "IconsFile.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

// Appends an item per icon, numbered from `firstNumber` on, whose UTF-8 text
// goes into the table.
void InsertNamedItems(HWND listView, const std::vector<DesktopIcon>& icons, int firstNumber);
// Answers LVN_GETDISPINFOW.
void AnswerNameRequest(NMLVDISPINFOW& request);
// Takes the name that LVN_ENDLABELEDITW brings; returns whether it is taken.
bool RenameItem(const NMLVDISPINFOW& edit);
// Deletes the item and its name; returns whether it was there.
bool RemoveNamedItem(HWND listView, int item);
std::string NameAsUtf8(int item);
// The label and the file name of the item; empty for an item not there.
std::wstring LabelOf(int item);
std::wstring FileNameOf(int item);
