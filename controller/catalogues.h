// The music and plug-in lists, filled from the folders beside the program.
#pragma once
#include <windows.h>

void FillAudioList(HWND list, int select);
void FillPluginList(HWND list, int select);
void SelectListItem(HWND list, int index);
// 1 when a directory entry's attributes let it into a list.
int IsListableAttributes(DWORD attributes);
