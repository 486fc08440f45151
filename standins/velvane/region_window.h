// The region window behind a skinned main window (region_window.cpp), driven
// by the frame's subclass.
#pragma once
#include <windows.h>

int StartRegionWindow(HWND main);           // makes it and the see-through inner area; 1 on success
void RegionFollowMain(HWND main);           // over the inner area, directly behind the main window
void RegionMainShown(HWND main, int shown); // shown and hidden with the main window
void RegionMainSized(HWND main, UINT kind); // hidden while the main window is minimised
void EndRegionWindow(HWND main);            // destroyed with the main window
HWND RegionWindowOf(HWND main);             // 0 when there is none
