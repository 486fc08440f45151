// The main window's controls and widgets, built during start-up in three
// stretches between the start-up steps.
#pragma once
#include <windows.h>

// The image control and the zoom trackbar.
void CreatePanelControls(HINSTANCE instance);
// Trackbar anchor, "Transparent HUD mode", the two lists (filled).
void CreateListControls();
// "Use visual plugin", the widgets and the image panel's first state.
void CreateWidgets(const char *resourceFolder);
