// Helpers of the PICTORA.DLL tests: picture files written with GDI+, bitmaps
// made in memory, and the pixels of a control read back through WM_PRINTCLIENT.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <string>
#include <vector>

#include "picture_files.h"

// The tests' scratch folder for pictures, Windows separators.
inline std::string PictureWorkPath(const char *name)
{
    std::string folder = TEST_WORK_DIR "/pictora";
    CreateDirectoryA(TEST_WORK_DIR, 0);
    CreateDirectoryA(folder.c_str(), 0);
    std::string p = folder + "/" + name;
    for (char &c : p)
        if (c == '/') c = '\\';
    return p;
}

// Writes a w x h picture whose pixel (x, y) is colour(x, y) as 0xAARRGGBB;
// fills a buffer in one go, quicker than pixel by pixel for large pictures.
template <typename ColourFn>
bool WriteFilledPicture(const std::string &path, int w, int h, ColourFn colour,
                        const WCHAR *mime = L"image/png")
{
    CLSID clsid;
    if (!EncoderFor(mime, &clsid)) return false;
    std::vector<DWORD> pixels((size_t)w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[(size_t)y * w + x] = colour(x, y);
    Gdiplus::Bitmap bitmap(w, h, w * 4, PixelFormat32bppARGB, (BYTE *)pixels.data());
    std::wstring wide(path.begin(), path.end());
    return bitmap.Save(wide.c_str(), &clsid, NULL) == Gdiplus::Ok;
}

// A 32-bit top-down DIB section filled with one 0xAARRGGBB colour.
inline HBITMAP SolidDib(int w, int h, DWORD argb)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = 0;
    HBITMAP dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!dib) return 0;
    for (int i = 0; i < w * h; ++i)
        ((DWORD *)bits)[i] = argb;
    return dib;
}

// The pixel (x, y) of a bitmap as 0xAARRGGBB, read with GetDIBits.
inline DWORD BitmapPixel(HBITMAP bitmap, int x, int y)
{
    BITMAP bm = {};
    GetObjectA(bitmap, sizeof bm, &bm);
    if (x < 0 || y < 0 || x >= bm.bmWidth || y >= bm.bmHeight) return 0xDEADBEEF;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> row((size_t)bm.bmWidth * bm.bmHeight);
    HDC dc = GetDC(0);
    GetDIBits(dc, bitmap, 0, bm.bmHeight, row.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(0, dc);
    return row[(size_t)y * bm.bmWidth + x];
}

// What the control paints, read back as 0x00RRGGBB pixels, top row first.
struct Snapshot {
    int width, height;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0xDEADBEEF;
        return pixels[(size_t)y * width + x] & 0xFFFFFF;
    }
};

inline Snapshot PrintControl(HWND control)
{
    Snapshot s = {};
    RECT r = {};
    GetClientRect(control, &r);
    s.width = r.right;
    s.height = r.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = s.width;
    info.bmiHeader.biHeight = -s.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = 0;
    HBITMAP dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!dib) return s;
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, dib);
    for (int i = 0; i < s.width * s.height; ++i)
        ((DWORD *)bits)[i] = 0x00ABCDEF; // a colour the control never paints
    SendMessageA(control, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    GdiFlush();
    s.pixels.assign((DWORD *)bits, (DWORD *)bits + s.width * s.height);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
    return s;
}
