// General operations on a multiple-selection list box of texts, kept in UTF-8 and shown whole
// by a wide list box.
#pragma once

#include <windows.h>

#include <string>

// Room beside an entry's text in the horizontal scrolling width, in pixels: the list box draws
// its items a little in from the left edge.
#define LIST_TEXT_MARGIN 4

int List_AddItem(HWND hList, const char* szItem);
int List_RemoveItems(HWND hList);
int List_MoveUpSelectedItems(HWND hList);
int List_MoveDownSelectedItems(HWND hList);
// Sets the horizontal scrolling width to show the longest entry whole in the list's own font;
// called again when the font changes.
int List_FitExtent(HWND hList);
// The text of entry nId, whatever its length: 1, or 0 when it cannot be read.
int List_GetItemText(HWND hList, int nId, std::string& item);
