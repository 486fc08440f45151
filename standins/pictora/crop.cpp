// The crop rectangle tool: a rubber band drawn with the right mouse button.
// It stays shown after the button is released, until the caller removes it
// (or a plain right click clears it); the status is non-zero meanwhile.
#include "library.h"

#include <objidl.h>

#include <gdiplus.h>

using namespace Gdiplus;

static const ARGB CROP_FILL = 0x30FFFFFF, CROP_LINE = 0xE0FFFFFF;
static const int CROP_SMALLEST = 3; // a shorter drag is a click: no rectangle

void BeginCrop(HWND control, ControlState *s, int x, int y)
{
    s->cropping = 1;
    s->cropOn = 1;
    s->cropFrom.x = s->cropTo.x = x;
    s->cropFrom.y = s->cropTo.y = y;
    SetCapture(control);
    Repaint(control, 1);
}

void DragCrop(HWND control, ControlState *s, int x, int y)
{
    if (!s->cropping) return;
    s->cropTo.x = x;
    s->cropTo.y = y;
    Repaint(control, 1);
}

void EndCrop(HWND control, ControlState *s)
{
    if (!s->cropping) return;
    s->cropping = 0;
    if (abs(s->cropTo.x - s->cropFrom.x) < CROP_SMALLEST || abs(s->cropTo.y - s->cropFrom.y) < CROP_SMALLEST)
        s->cropOn = 0;
    if (GetCapture() == control) ReleaseCapture();
    Repaint(control, 1);
}

void DrawCropBand(void *graphics, ControlState *s)
{
    if (!s->cropOn) return;
    GpGraphics *g = (GpGraphics *)graphics;
    int left = s->cropFrom.x < s->cropTo.x ? s->cropFrom.x : s->cropTo.x;
    int top = s->cropFrom.y < s->cropTo.y ? s->cropFrom.y : s->cropTo.y;
    int width = abs(s->cropTo.x - s->cropFrom.x), height = abs(s->cropTo.y - s->cropFrom.y);
    GpSolidFill *fill = 0;
    if (DllExports::GdipCreateSolidFill(CROP_FILL, &fill) == Ok) {
        DllExports::GdipFillRectangleI(g, fill, left, top, width, height);
        DllExports::GdipDeleteBrush(fill);
    }
    GpPen *pen = 0;
    if (DllExports::GdipCreatePen1(CROP_LINE, 1.0f, UnitPixel, &pen) == Ok) {
        DllExports::GdipSetPenDashStyle(pen, DashStyleDash);
        DllExports::GdipDrawRectangleI(g, pen, left, top, width, height);
        DllExports::GdipDeletePen(pen);
    }
}

extern "C" {
int WINAPI ZI_GetToolCropStatus(HWND control)
{
    ControlState *s = StateOf(control);
    return s && s->cropOn ? 1 : 0;
}

int WINAPI ZI_DisableCropRectangle(HWND control)
{
    ControlState *s = StateOf(control);
    if (!s) return 0;
    int was = s->cropOn;
    if (s->cropping && GetCapture() == control) ReleaseCapture();
    s->cropping = s->cropOn = 0;
    if (was) Repaint(control, 0);
    return 1;
}
}
