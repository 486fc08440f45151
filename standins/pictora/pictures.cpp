// Picture files and bitmaps: GDI+ decodes a file into a 32-bit top-down DIB
// section that keeps the picture's alpha (straight, not premultiplied).
#include "library.h"

#include <objidl.h>

#include <gdiplus.h>

using namespace Gdiplus;

HBITMAP CreatePictureDib(int width, int height, void **bits)
{
    *bits = 0;
    if (width <= 0 || height <= 0) return 0;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 first, as GDI+ lays rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HBITMAP dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, bits, 0, 0);
    if (!dib) *bits = 0;
    return dib;
}

// Opens the picture; 0 when the file is missing or not a picture GDI+ reads.
static GpBitmap *OpenPicture(const char *path, int *width, int *height)
{
    *width = *height = 0;
    if (!path || !*path || !StartGdiplus()) return 0;
    WCHAR wide[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH)) return 0;
    GpBitmap *picture = 0;
    if (DllExports::GdipCreateBitmapFromFile(wide, &picture) != Ok) return 0;
    UINT w = 0, h = 0;
    DllExports::GdipGetImageWidth(picture, &w);
    DllExports::GdipGetImageHeight(picture, &h);
    if (w == 0 || h == 0 || w > 0x7FFF || h > 0x7FFF) {
        DllExports::GdipDisposeImage(picture);
        return 0;
    }
    *width = (int)w;
    *height = (int)h;
    return picture;
}

// Decodes the picture at width x height (its own size or smaller) into a new DIB.
static HBITMAP DecodePicture(GpBitmap *picture, int ownWidth, int ownHeight, int width, int height)
{
    void *bits = 0;
    HBITMAP dib = CreatePictureDib(width, height, &bits);
    if (!dib) return 0;
    GdiFlush();
    int done = 0;
    if (width == ownWidth && height == ownHeight) {
        // at its own size the pixels are copied straight into the DIB's rows
        Rect all(0, 0, width, height);
        BitmapData data = {};
        data.Width = width;
        data.Height = height;
        data.Stride = width * 4;
        data.PixelFormat = PixelFormat32bppARGB;
        data.Scan0 = bits;
        if (DllExports::GdipBitmapLockBits(picture, &all, ImageLockModeRead | ImageLockModeUserInputBuf,
                                           PixelFormat32bppARGB, &data) == Ok) {
            DllExports::GdipBitmapUnlockBits(picture, &data);
            done = 1;
        }
    }
    if (!done) {
        GpBitmap *target = 0;
        GpGraphics *g = 0;
        if (DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                                  (BYTE *)bits, &target) == Ok) {
            if (DllExports::GdipGetImageGraphicsContext(target, &g) == Ok) {
                DllExports::GdipSetCompositingMode(g, CompositingModeSourceCopy);
                DllExports::GdipSetInterpolationMode(g, InterpolationModeHighQualityBicubic);
                DllExports::GdipSetPixelOffsetMode(g, PixelOffsetModeHalf);
                done = DllExports::GdipDrawImageRectRectI(g, picture, 0, 0, width, height, 0, 0, ownWidth,
                                                          ownHeight, UnitPixel, 0, 0, 0) == Ok;
                DllExports::GdipDeleteGraphics(g);
            }
            DllExports::GdipDisposeImage(target);
        }
    }
    if (!done) {
        DeleteObject(dib);
        return 0;
    }
    return dib;
}

// Takes over a caller's bitmap in the library's form: whatever its kind, it
// is copied into a 32-bit top-down DIB section (opaque when it carried no
// alpha) and deleted, since the library owns it from now on. The platform
// does not tell a top-down section from a bottom-up one, so even the
// library's own decodes are copied, which GetDIBits does row by row.
HBITMAP AdoptBitmap(HBITMAP bitmap, void **bits, int *width, int *height)
{
    *bits = 0;
    *width = *height = 0;
    BITMAP bm = {};
    if (!GetObjectA(bitmap, sizeof bm, &bm)) return 0;
    int w = bm.bmWidth, h = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    void *copyBits = 0;
    HBITMAP copy = CreatePictureDib(w, h, &copyBits);
    if (!copy) return 0;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(0);
    int rows = GetDIBits(dc, bitmap, 0, h, copyBits, &info, DIB_RGB_COLORS);
    ReleaseDC(0, dc);
    if (rows != h) {
        DeleteObject(copy);
        return 0;
    }
    DWORD *p = (DWORD *)copyBits;
    int n = w * h, anyAlpha = 0;
    if (bm.bmBitsPixel == 32)
        for (int i = 0; i < n && !anyAlpha; ++i)
            anyAlpha = (p[i] >> 24) != 0;
    if (!anyAlpha)
        for (int i = 0; i < n; ++i)
            p[i] |= 0xFF000000u;
    DeleteObject(bitmap);
    *bits = copyBits;
    *width = w;
    *height = h;
    return copy;
}

extern "C" {
int WINAPI ZI_GetImageSizeFromFile(const char *path, int *width, int *height)
{
    int w = 0, h = 0;
    GpBitmap *picture = OpenPicture(path, &w, &h);
    if (picture) DllExports::GdipDisposeImage(picture);
    if (width) *width = w;
    if (height) *height = h;
    return picture != 0;
}

HBITMAP WINAPI ZI_FitBitmapFromFile(const char *path, int width, int height)
{
    int w = 0, h = 0;
    GpBitmap *picture = OpenPicture(path, &w, &h);
    if (!picture) return 0;
    int x = 0, y = 0, fw = 0, fh = 0;
    FitInBox(w, h, width, height, &x, &y, &fw, &fh);
    HBITMAP result = fw ? DecodePicture(picture, w, h, fw, fh) : 0;
    DllExports::GdipDisposeImage(picture);
    return result;
}

HBITMAP WINAPI ZI_CreateBitmapFromFile(const char *path, int *width, int *height)
{
    int w = 0, h = 0;
    GpBitmap *picture = OpenPicture(path, &w, &h);
    HBITMAP result = picture ? DecodePicture(picture, w, h, w, h) : 0;
    if (picture) DllExports::GdipDisposeImage(picture);
    if (width) *width = result ? w : 0;
    if (height) *height = result ? h : 0;
    return result;
}

int WINAPI ZI_GetBitmapSize(HBITMAP bitmap, int *width, int *height)
{
    BITMAP bm = {};
    int found = bitmap && GetObjectA(bitmap, sizeof bm, &bm) != 0;
    if (width) *width = found ? bm.bmWidth : 0;
    if (height) *height = found ? (bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight) : 0;
    return found;
}

int WINAPI ZD_ColorARGB(int alpha, int rgb)
{
    // rgb is a GDI colour (0x00BBGGRR); the result is 0xAARRGGBB
    COLORREF c = (COLORREF)rgb;
    return (int)(((DWORD)(alpha & 0xFF) << 24) | ((DWORD)GetRValue(c) << 16) | ((DWORD)GetGValue(c) << 8) |
                 GetBValue(c));
}
}
