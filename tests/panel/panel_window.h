// A plain main window for the controller's procedures: the real window
// procedure is not needed here, only a parent for real child controls.
#pragma once
#include <windows.h>
#include "controller/controller_state.h"

inline HWND OpenPanelMainWindow(int x, int y, int width, int height)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "PANELTESTMAIN";
    RegisterClassA(&wc);
    MainWindow = CreateWindowExA(0, "PANELTESTMAIN", "Tessaro", WS_POPUP | WS_CLIPCHILDREN, x, y, width,
                                 height, NULL, NULL, wc.hInstance, NULL);
    return MainWindow;
}

inline void ClosePanelMainWindow()
{
    if (MainWindow) DestroyWindow(MainWindow);
    MainWindow = 0;
}

// A child control of the main window with the controller's id.
inline HWND OpenChild(const char *cls, DWORD style, int x, int y, int width, int height, int id)
{
    return CreateWindowExA(0, cls, NULL, style, x, y, width, height, MainWindow, (HMENU)(INT_PTR)id,
                           GetModuleHandleA(NULL), NULL);
}
