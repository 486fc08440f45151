// Texture loading: GDI+ decodes and scales the picture into a 32-bit DIB
// section, whose pixels go to OpenGL. The host has started GDI+.
#include "textures.h"
#include "resource_paths.h"
#include "vortiq_state.h"
#include "../common/bounded_text.h"
#include "../common/gdiplus_include.h"
#include <string.h>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

static const int LADDER[] = {2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096};
static const char ACCEPTED_TYPES[] = ".BMP.DIB.GIF.ICO.JPG.JPEG.PNG.TIF.TIFF.";
static const int EXTENSION_SIZE = 16;

static int LadderSize(int n)
{
    int size = 0;
    for (int step : LADDER)
        if (step <= n) size = step;
    return size;
}

TextureFit FitTexture(int w, int h)
{
    TextureFit f = {};
    f.width = LadderSize(w);
    f.height = LadderSize(h);
    float r = w ? (float)f.width / (float)w : 0.0f;
    if (r > 1) r = 1;
    f.drawWidth = (int)lrintf(r * (float)w);
    f.drawHeight = (int)lrintf(r * (float)h);
    if (f.height < f.drawHeight) {
        r = h ? (float)f.height / (float)h : 0.0f;
        f.drawWidth = (int)lrintf(r * (float)w);
        f.drawHeight = (int)lrintf(r * (float)h);
    }
    f.x = (f.width - f.drawWidth) / 2;
    f.y = (f.height - f.drawHeight) / 2;
    return f;
}

bool IsAcceptedImageType(const char *path)
{
    const char *dot = strrchr(path, '.');
    if (!dot) return false;
    char ext[EXTENSION_SIZE] = {};
    if (strlen(dot) + 2 > sizeof ext) return false;
    CopyText(ext, sizeof ext, dot);
    AppendText(ext, sizeof ext, ".");
    CharUpperA(ext);
    return strstr(ACCEPTED_TYPES, ext) != NULL;
}

// Draws the picture scaled into a zeroed DIB section and reads it back.
static bool DrawIntoPixels(GpImage *image, UINT w, UINT h, const TextureFit &fit,
                           std::vector<unsigned char> &pixels)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = fit.width;
    info.bmiHeader.biHeight = fit.height; // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    bool ok = false;
    HDC ic = CreateICA("DISPLAY", NULL, NULL, NULL);
    HDC memory = CreateCompatibleDC(ic);
    void *bits = NULL;
    HBITMAP surface = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    // a picture under 2 pixels gives no texture size: no surface
    if (surface && memory) {
        HGDIOBJ old = SelectObject(memory, surface);
        GpGraphics *graphics = NULL;
        if (GdipCreateFromHDC(memory, &graphics) == Gdiplus::Ok) {
            GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeHighQuality);
            if (GdipDrawImageRectRectI(graphics, image, fit.x, fit.y, fit.drawWidth, fit.drawHeight, 0, 0, w,
                                       h, Gdiplus::UnitPixel, NULL, NULL, NULL) == Gdiplus::Ok) {
                GdipFlush(graphics, Gdiplus::FlushIntentionSync);
                pixels.assign((size_t)fit.width * fit.height * 4, 0);
                if (GetDIBits(memory, surface, 0, fit.height, pixels.data(), &info, DIB_RGB_COLORS)) {
                    for (size_t i = 0; i < pixels.size(); i += 4) {
                        unsigned char blue = pixels[i];
                        pixels[i] = pixels[i + 2];
                        pixels[i + 2] = blue;
                    }
                    ok = true;
                }
            }
            GdipDeleteGraphics(graphics);
        }
        SelectObject(memory, old);
    }
    if (surface) DeleteObject(surface);
    if (memory) DeleteDC(memory);
    if (ic) DeleteDC(ic);
    return ok;
}

bool LoadImagePixels(const char *path, int *width, int *height, std::vector<unsigned char> &pixels)
{
    *width = 0;
    *height = 0;
    char resolved[MAX_PATH] = {};
    ResolveResourcePath(path, resolved, sizeof resolved);
    if (!strrchr(resolved, '.') || !FileExists(resolved)) return false;
    if (!IsAcceptedImageType(resolved)) return false;

    WCHAR wide[MAX_PATH] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, resolved, -1, wide, MAX_PATH)) return false;
    GpImage *image = NULL;
    if (GdipLoadImageFromFile(wide, &image) != Gdiplus::Ok) {
        if (image) GdipDisposeImage(image);
        return false;
    }
    UINT w = 0, h = 0;
    GdipGetImageWidth(image, &w);
    GdipGetImageHeight(image, &h);
    TextureFit fit = FitTexture((int)w, (int)h);
    *width = fit.width;
    *height = fit.height;
    bool ok = fit.width > 0 && fit.height > 0 && DrawIntoPixels(image, w, h, fit, pixels);
    GdipDisposeImage(image);
    return ok;
}

static void CollectNames(int first, int count, GLuint *names, bool *any)
{
    *any = false;
    for (int k = 0; k < count; ++k) {
        names[k] = TextureSlots[first - 1 + k].texture;
        if (names[k]) *any = true;
    }
}

static bool ValidSlots(int first, int count)
{
    return count > 0 && first >= 1 && first - 1 + count <= TextureSlotCount;
}

void ReleaseTextures(int first, int count)
{
    if (!ValidSlots(first, count)) return;
    GLuint names[TEXTURE_SLOT_COUNT];
    bool any;
    CollectNames(first, count, names, &any);
    if (any) glDeleteTextures(count, names);
    // a deleted name may be handed out again to the host: forget it, so that
    // a later build or release cannot delete someone else's texture
    for (int k = 0; k < count; ++k)
        TextureSlots[first - 1 + k].texture = 0;
}

void BuildTextures(int first, int count)
{
    if (!ValidSlots(first, count)) return;
    ReleaseTextures(first, count);
    GLuint names[TEXTURE_SLOT_COUNT];
    glGenTextures(count, names);
    if (glGetError() != GL_NO_ERROR) return;
    std::vector<unsigned char> pixels;
    for (int k = 0; k < count; ++k) {
        TextureSlot &slot = TextureSlots[first - 1 + k];
        pixels.clear();
        int width = 0, height = 0;
        if (!LoadImagePixels(slot.path, &width, &height, pixels)) {
            glDeleteTextures(1, &names[k]); // generated for this slot, unused
            continue;
        }
        slot.texture = names[k];
        glBindTexture(GL_TEXTURE_2D, slot.texture);
        if (glGetError() != GL_NO_ERROR) continue;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    }
}
