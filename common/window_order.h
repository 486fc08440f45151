// Keeping one top-level window in front of another, also on Wine's X11
// driver, for the skin's region window and the engine's visual.
#pragma once
#include <windows.h>

inline void KeepInFront(HWND front, HWND behind)
{
    if (!IsWindow(front) || !IsWindow(behind)) return;
    // Wine's X11 driver maps a window that is shown for the first time at the
    // top of the X stack, whatever its place in the Z order, and restacks only
    // by raising: the front window is put behind and brought to the top
    // again, which Wine carries out as a raise (on Windows the Z order is
    // simply kept)
    const UINT order = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SetWindowPos(front, behind, 0, 0, 0, 0, order);
    SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, order);
}
