// The main window procedure, exported from Tessaro.exe as WNDPROC.
#pragma once
#include <windows.h>

extern "C" LRESULT WINAPI MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
