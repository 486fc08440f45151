// GDI+ is started lazily on the first picture, never in DllMain, and stays
// started for the life of the process.
#include "pictures.h"

#include <objidl.h>

#include <gdiplus.h>

static ULONG_PTR GdiplusToken;

static int StartGdiplus()
{
    if (GdiplusToken) return 1;
    Gdiplus::GdiplusStartupInput input;
    return Gdiplus::GdiplusStartup(&GdiplusToken, &input, 0) == Gdiplus::Ok;
}

HBITMAP LoadPictureBitmap(const char *path, COLORREF background, int *width, int *height)
{
    *width = *height = 0;
    if (!path || !*path || !StartGdiplus()) return 0;
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH)) return 0;
    Gdiplus::GpBitmap *bitmap = 0;
    if (Gdiplus::DllExports::GdipCreateBitmapFromFile(wide, &bitmap) != Gdiplus::Ok) return 0;
    UINT w = 0, h = 0;
    Gdiplus::DllExports::GdipGetImageWidth(bitmap, &w);
    Gdiplus::DllExports::GdipGetImageHeight(bitmap, &h);
    HBITMAP result = 0;
    Gdiplus::ARGB back =
        0xFF000000 | (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    if (Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(bitmap, &result, back) != Gdiplus::Ok) result = 0;
    Gdiplus::DllExports::GdipDisposeImage(bitmap);
    if (result) {
        *width = (int)w;
        *height = (int)h;
    }
    return result;
}
