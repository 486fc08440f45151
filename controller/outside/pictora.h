// The image-control library PICTORA.DLL: the calls the controller makes.
// Loading the library registers the window class "PICTORACTRL". Every export
// has its plain name and the WINAPI convention; every argument is 32 bits
// (the zoom of ZD_SetObjectScale is a 32-bit float).
#pragma once
#include <windows.h>
#include <oleauto.h>

extern "C" {
HINSTANCE WINAPI zInstance();
BSTR WINAPI ZI_LoadDialog(HWND owner);
int WINAPI ZI_GetImageSizeFromFile(const char *path, int *width, int *height);
int WINAPI ZI_GetImageSizeFromControl(HWND control, int *width, int *height);
HBITMAP WINAPI ZI_FitBitmapFromFile(const char *path, int width, int height);
HBITMAP WINAPI ZI_CreateBitmapFromFile(const char *path, int *width, int *height);
int WINAPI ZI_GetBitmapSize(HBITMAP bitmap, int *width, int *height);
int WINAPI ZI_Iconise(int width, int height, int boxWidth, int boxHeight, int *x, int *y, int *fitWidth,
                      int *fitHeight);
int WINAPI ZD_ColorARGB(int alpha, int rgb);
int WINAPI ZD_DrawBitmapToCtrl(HWND control, int x, int y, HBITMAP bitmap, int argb, int objectId, int style);
int WINAPI ZD_SetObjectScale(int objectId, float scale);
int WINAPI ZD_SetObjectAngle(int objectId, int angle, int redraw);
int WINAPI ZD_SetObjectAnchorMode(int objectId, int mode);
int WINAPI ZD_SetObjectLocked(int objectId, int locked);
int WINAPI ZD_SetObjectVisibility(int objectId, int visible);
HWND WINAPI ZD_GetObjectParent(int objectId);
int WINAPI ZI_SetObjectFocusID(int objectId);
int WINAPI ZI_GetToolCropStatus(HWND control);
int WINAPI ZI_DisableCropRectangle(HWND control);
int WINAPI ZI_UpdateWindow(HWND control, int flags);
int WINAPI ZI_UseVelvanebackground(HWND control, int use, int redraw);
}

// Window class of the image control.
#define PICTORA_CLASS "PICTORACTRL"
