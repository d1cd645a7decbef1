// General operations on a multiple-selection list box of texts.
#pragma once

#include <windows.h>

int List_AddItem(HWND hList, const char* szItem);
int List_RemoveItems(HWND hList);
int List_MoveUpSelectedItems(HWND hList);
int List_MoveDownSelectedItems(HWND hList);
