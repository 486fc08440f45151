// Placement of the engine window over the main window's inner area.
#pragma once

void DockEngineWindow();
void ShowVisual(const char *path);
void HideVisual();
