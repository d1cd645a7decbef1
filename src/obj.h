// General operations on a multiple-selection list box of texts.
#pragma once

#include <windows.h>

#include <string>

// Horizontal scrolling width per character of the longest entry, in pixels.
#define LIST_CHAR_WIDTH 7

int List_AddItem(HWND hList, const char* szItem);
int List_RemoveItems(HWND hList);
int List_MoveUpSelectedItems(HWND hList);
int List_MoveDownSelectedItems(HWND hList);
// The text of entry nId, whatever its length: 1, or 0 when it cannot be read.
int List_GetItemText(HWND hList, int nId, std::string& item);
