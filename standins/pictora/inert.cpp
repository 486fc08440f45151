// Operations of the stand-in PICTORA.DLL that are still inert: they keep the
// contract and do nothing; each returns 0 (none). Still inert: every call but
// zInstance and ZI_Iconise (control.cpp, fit.cpp).
#include "pictora_exports.h"

extern "C" {

BSTR WINAPI ZI_LoadDialog(HWND owner)
{
    (void)owner;
    return 0;
}

int WINAPI ZI_GetImageSizeFromFile(const char *path, int *width, int *height)
{
    (void)path;
    (void)width;
    (void)height;
    return 0;
}

int WINAPI ZI_GetImageSizeFromControl(HWND control, int *width, int *height)
{
    (void)control;
    (void)width;
    (void)height;
    return 0;
}

HBITMAP WINAPI ZI_FitBitmapFromFile(const char *path, int width, int height)
{
    (void)path;
    (void)width;
    (void)height;
    return 0;
}

HBITMAP WINAPI ZI_CreateBitmapFromFile(const char *path, int *width, int *height)
{
    (void)path;
    (void)width;
    (void)height;
    return 0;
}

int WINAPI ZI_GetBitmapSize(HBITMAP bitmap, int *width, int *height)
{
    (void)bitmap;
    (void)width;
    (void)height;
    return 0;
}


int WINAPI ZD_ColorARGB(int alpha, int rgb)
{
    (void)alpha;
    (void)rgb;
    return 0;
}

int WINAPI ZD_DrawBitmapToCtrl(HWND control, int x, int y, HBITMAP bitmap, int argb, int objectId, int style)
{
    (void)control;
    (void)x;
    (void)y;
    (void)bitmap;
    (void)argb;
    (void)objectId;
    (void)style;
    return 0;
}

int WINAPI ZD_SetObjectScale(int objectId, float scale)
{
    (void)objectId;
    (void)scale;
    return 0;
}

int WINAPI ZD_SetObjectAngle(int objectId, int angle, int redraw)
{
    (void)objectId;
    (void)angle;
    (void)redraw;
    return 0;
}

int WINAPI ZD_SetObjectAnchorMode(int objectId, int mode)
{
    (void)objectId;
    (void)mode;
    return 0;
}

int WINAPI ZD_SetObjectLocked(int objectId, int locked)
{
    (void)objectId;
    (void)locked;
    return 0;
}

int WINAPI ZD_SetObjectVisibility(int objectId, int visible)
{
    (void)objectId;
    (void)visible;
    return 0;
}

HWND WINAPI ZD_GetObjectParent(int objectId)
{
    (void)objectId;
    return 0;
}

int WINAPI ZI_SetObjectFocusID(int objectId)
{
    (void)objectId;
    return 0;
}

int WINAPI ZI_GetToolCropStatus(HWND control)
{
    (void)control;
    return 0;
}

int WINAPI ZI_DisableCropRectangle(HWND control)
{
    (void)control;
    return 0;
}

int WINAPI ZI_UpdateWindow(HWND control, int flags)
{
    (void)control;
    (void)flags;
    return 0;
}

int WINAPI ZI_UseVelvanebackground(HWND control, int use, int redraw)
{
    (void)control;
    (void)use;
    (void)redraw;
    return 0;
}

}
