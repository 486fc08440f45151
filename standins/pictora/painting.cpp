// Painting of the image control with GDI+, double-buffered: the background,
// then every visible object in ascending id order (scaled and turned about
// its centre, with its alpha), then the crop rectangle, in one blit.
#include "library.h"

#include <objidl.h>

#include <gdiplus.h>

using namespace Gdiplus;

static ULONG_PTR GdiplusToken;

// GDI+ is started on first need, never in DllMain, and stays started for the
// life of the process.
int StartGdiplus()
{
    if (GdiplusToken) return 1;
    GdiplusStartupInput input;
    return GdiplusStartup(&GdiplusToken, &input, 0) == Ok;
}

enum { CHECKER_CELL = 12 };

// Background colours: the skin-like gradient, and the checker board of the
// transparent mode where nothing can show through.
static const ARGB SKIN_TOP = 0xFF2E3A4E, SKIN_BOTTOM = 0xFF0C0F16;
static const ARGB CHECKER_DARK = 0xFF1C1C1C, CHECKER_LIGHT = 0xFF2C2C2C;
static const int SHADOW_OFFSET = 3;
static const float SHADOW_ALPHA = 0.45f;

// The colour key of the control's top-level window when that window is
// layered with one: pixels in it show what lies behind the window.
static int SeeThroughColour(HWND control, ARGB *colour)
{
    HWND root = GetAncestor(control, GA_ROOT);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!root || !(GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_LAYERED)) return 0;
    if (!GetLayeredWindowAttributes(root, &key, &alpha, &flags) || !(flags & LWA_COLORKEY)) return 0;
    *colour = 0xFF000000 | (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    return 1;
}

static void FillBackground(GpGraphics *g, HWND control, int useBackground, int width, int height)
{
    if (useBackground) {
        GpRect all(0, 0, width, height);
        GpLineGradient *brush = 0;
        if (DllExports::GdipCreateLineBrushFromRectI(&all, SKIN_TOP, SKIN_BOTTOM, LinearGradientModeVertical,
                                                     WrapModeTileFlipXY, &brush) == Ok) {
            DllExports::GdipFillRectangleI(g, brush, 0, 0, width, height);
            DllExports::GdipDeleteBrush(brush);
        }
        return;
    }
    // transparent: on a see-through (head-up) window the objects float over
    // what lies behind it
    ARGB seeThrough = 0;
    if (SeeThroughColour(control, &seeThrough)) {
        DllExports::GdipGraphicsClear(g, seeThrough);
        return;
    }
    DllExports::GdipGraphicsClear(g, CHECKER_DARK);
    GpSolidFill *light = 0;
    if (DllExports::GdipCreateSolidFill(CHECKER_LIGHT, &light) != Ok) return;
    for (int y = 0; y < height; y += CHECKER_CELL)
        for (int x = (y / CHECKER_CELL) % 2 * CHECKER_CELL; x < width; x += 2 * CHECKER_CELL)
            DllExports::GdipFillRectangleI(g, light, x, y, CHECKER_CELL, CHECKER_CELL);
    DllExports::GdipDeleteBrush(light);
}

// Draws o through a colour matrix: its own colours at opacity alpha, or, for
// a shadow, every pixel in the colour rgb at that opacity.
static void DrawThroughMatrix(GpGraphics *g, GpBitmap *image, PictureObject *o, float alpha, int shadow)
{
    ColorMatrix m = {};
    if (shadow) {
        m.m[4][0] = ((o->argb >> 16) & 0xFF) / 255.0f;
        m.m[4][1] = ((o->argb >> 8) & 0xFF) / 255.0f;
        m.m[4][2] = (o->argb & 0xFF) / 255.0f;
    } else {
        m.m[0][0] = m.m[1][1] = m.m[2][2] = 1.0f;
    }
    m.m[3][3] = alpha;
    m.m[4][4] = 1.0f;
    GpImageAttributes *attributes = 0;
    int plain = !shadow && alpha >= 1.0f;
    if (!plain) {
        if (DllExports::GdipCreateImageAttributes(&attributes) != Ok) return;
        DllExports::GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &m, 0,
                                                      ColorMatrixFlagsDefault);
    }
    DllExports::GdipDrawImageRectRectI(g, image, -o->width / 2, -o->height / 2, o->width, o->height, 0, 0,
                                       o->width, o->height, UnitPixel, attributes, 0, 0);
    if (attributes) DllExports::GdipDisposeImageAttributes(attributes);
}

static void PlaceObject(GpGraphics *g, PictureObject *o, float shift)
{
    DllExports::GdipResetWorldTransform(g);
    DllExports::GdipTranslateWorldTransform(g, o->x + o->width / 2.0f + shift,
                                            o->y + o->height / 2.0f + shift, MatrixOrderPrepend);
    DllExports::GdipRotateWorldTransform(g, (REAL)o->angle, MatrixOrderPrepend);
    DllExports::GdipScaleWorldTransform(g, o->scale, o->scale, MatrixOrderPrepend);
}

static void DrawObject(GpGraphics *g, PictureObject *o)
{
    // the object's bitmap is read in place, without a copy
    GpBitmap *image = 0;
    if (DllExports::GdipCreateBitmapFromScan0(o->width, o->height, o->width * 4, PixelFormat32bppARGB,
                                              (BYTE *)o->bits, &image) != Ok)
        return;
    float alpha = ((o->argb >> 24) & 0xFF) / 255.0f;
    if (o->style & STYLE_SHADOW) {
        PlaceObject(g, o, (float)SHADOW_OFFSET);
        DrawThroughMatrix(g, image, o, alpha * SHADOW_ALPHA, 1);
    }
    PlaceObject(g, o, 0.0f);
    DrawThroughMatrix(g, image, o, alpha, 0);
    DllExports::GdipDisposeImage(image);
    DllExports::GdipResetWorldTransform(g);
}

void PaintControl(HWND control, HDC target)
{
    ControlState *s = StateOf(control);
    RECT client = {};
    GetClientRect(control, &client);
    int width = client.right, height = client.bottom;
    if (!s || width <= 0 || height <= 0 || !StartGdiplus()) return;
    void *bits = 0;
    HBITMAP buffer = CreatePictureDib(width, height, &bits);
    if (!buffer) return;
    GdiFlush();
    GpBitmap *canvas = 0;
    GpGraphics *g = 0;
    if (DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB, (BYTE *)bits,
                                              &canvas) == Ok &&
        DllExports::GdipGetImageGraphicsContext(canvas, &g) == Ok) {
        FillBackground(g, control, s->useBackground, width, height);
        DllExports::GdipSetInterpolationMode(g, InterpolationModeBilinear);
        DllExports::GdipSetPixelOffsetMode(g, PixelOffsetModeHalf);
        for (PictureObject *o = NextObjectOf(control, 0); o; o = NextObjectOf(control, o))
            if (o->visible) DrawObject(g, o);
        DrawCropBand(g, s);
        DllExports::GdipDeleteGraphics(g);
    }
    if (canvas) DllExports::GdipDisposeImage(canvas);
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(memory, buffer);
    BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(buffer);
}
