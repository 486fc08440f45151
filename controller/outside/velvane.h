// The skin engine VELVANE.DLL: the calls the controller makes. Every export
// has its plain name and the WINAPI convention; every argument is 32 bits.
#pragma once
#include <windows.h>

extern "C" {
int WINAPI skInitEngine(const char *skinFile, const char *text);
int WINAPI skSkinWindow(HWND window, const char *buttonLabels);
int WINAPI skSkinChildCtrl(HWND control, int style);
int WINAPI skSetAnchorCtrl(HWND control, int anchor);
int WINAPI skCreateToolTip(HWND control, const char *text);
HWND WINAPI skClockCtrl(HWND parent, const char *image, int x, int y, int width, int height, int id,
                        int argb1, int argb2, int flags);
HWND WINAPI skButtonImage(HWND parent, const char *image, int x, int y, int id, int frames);
HWND WINAPI skKnobGauge(HWND parent, const char *image, int x, int y, int width, int height, int id,
                        int minimum, int maximum, int position, int flags);
int WINAPI skGaugeGetPos(HWND gauge);
int WINAPI skGaugeSetPos(HWND gauge, int position, int redraw);
int WINAPI skBorder(HWND control, int x, int y, int width, int height, int style, int show);
int WINAPI skCreateDW(HWND window);
int WINAPI skDestroyDW(int *dw);
HWND WINAPI skGetDWMregion(HWND window);
int WINAPI skGetSystemMetrics(int index);
}

// skGetSystemMetrics indices of the skinned frame's insets.
const int SK_INSET_LEFT = 27;
const int SK_INSET_TOP = 28;
const int SK_INSET_RIGHT = 29;
const int SK_INSET_BOTTOM = 30;
