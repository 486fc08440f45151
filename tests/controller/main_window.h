// A stand-in main window for the controller's procedures.
#pragma once
#include <windows.h>
#include "controller/controller_state.h"

inline LRESULT CALLBACK TestMainProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(w, m, wp, lp);
}

inline HWND OpenMainWindow(int x, int y, int w, int h)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TestMainProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "TESTMAIN";
    RegisterClassA(&wc);
    MainWindow =
        CreateWindowExA(0, "TESTMAIN", "Tessaro", WS_POPUP, x, y, w, h, NULL, NULL, wc.hInstance, NULL);
    return MainWindow;
}

inline void CloseMainWindow()
{
    DestroyWindow(MainWindow);
    MainWindow = 0;
}
