// Picture files written by tests with GDI+ (PNG, BMP, JPEG, TIFF, GIF).
#pragma once
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <string>
#include <vector>

struct GdiplusSession {
    ULONG_PTR token;
};

inline GdiplusSession StartGdiplus()
{
    GdiplusSession s = {};
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&s.token, &input, NULL);
    return s;
}

inline void StopGdiplus(GdiplusSession &s)
{
    if (s.token) Gdiplus::GdiplusShutdown(s.token);
    s.token = 0;
}

inline bool EncoderFor(const WCHAR *mime, CLSID *clsid)
{
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (!size) return false;
    std::vector<unsigned char> buffer(size);
    Gdiplus::ImageCodecInfo *codecs = (Gdiplus::ImageCodecInfo *)buffer.data();
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i)
        if (wcscmp(codecs[i].MimeType, mime) == 0) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

// Writes a w x h picture whose pixel (x, y), top row first, is colour(x, y)
// as 0xAARRGGBB. mime: L"image/png", L"image/bmp" ...
template <typename ColourFn>
bool WritePicture(const std::string &path, int w, int h, ColourFn colour, const WCHAR *mime = L"image/png")
{
    CLSID clsid;
    if (!EncoderFor(mime, &clsid)) return false;
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color((Gdiplus::ARGB)colour(x, y)));
    std::wstring wide(path.begin(), path.end());
    return bitmap.Save(wide.c_str(), &clsid, NULL) == Gdiplus::Ok;
}
