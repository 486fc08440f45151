// The image panel: the picture is object 1 of the image control, sized to the
// panel on load, zoomed by the trackbar and turned by the gauges.
#include "image_panel.h"
#include "controller_state.h"
#include "outside/pictora.h"
#include "outside/velvane.h"
#include <commctrl.h>
#include <math.h>

static const int PICTURE_OBJECT = 1;
static const int LARGEST_DECODE = 1024; // longer side of a decoded picture
static const int ZOOM_MAXIMUM = 1500;   // trackbar position of factor 1.5
static const float ZOOM_PER_POSITION = 0.001f;
static const double RANGE_SCALE = 128.0; // minimum: 12.8 % of the fitting factor
static const int ANCHOR_CENTRED = 13;

int RoundHalfEven(double value)
{
    // lrint rounds halves to even in the default rounding mode; values that
    // no int can hold (a fit of zero height gives an infinite zoom) are held
    // at the ends of the range instead of wrapping
    if (value != value) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return (int)-2147483647 - 1;
    return (int)lrint(value);
}

static HWND ZoomTrackbar()
{
    return GetDlgItem(MainWindow, IDC_ZOOM);
}

void SetZoomRange(int bitmapWidth, int bitmapHeight, int *fitWidth, int *fitHeight)
{
    RECT client = {};
    GetClientRect(ImageControl, &client);
    int x = 0, y = 0;
    ZI_Iconise(bitmapWidth, bitmapHeight, client.right, client.bottom, &x, &y, fitWidth, fitHeight);
    int minimum = bitmapWidth ? RoundHalfEven(RANGE_SCALE * ((double)*fitWidth / bitmapWidth)) : 0;
    SendMessageA(ZoomTrackbar(), TBM_SETRANGE, 1, MAKELONG(minimum & 0xFFFF, ZOOM_MAXIMUM));
}

void LoadPicture(const char *path)
{
    if (ZI_GetToolCropStatus(ImageControl)) ZI_DisableCropRectangle(ImageControl);
    ZI_GetImageSizeFromFile(path, &ImageFileWidth, &ImageFileHeight);
    int side = ImageFileWidth > ImageFileHeight ? ImageFileWidth : ImageFileHeight;
    if (side > LARGEST_DECODE) side = LARGEST_DECODE;
    HBITMAP bitmap = ZI_FitBitmapFromFile(path, side, side);
    int w = 0, h = 0;
    ZI_GetBitmapSize(bitmap, &w, &h);
    if (!bitmap) return;
    BitmapWidth = w;
    BitmapHeight = h;

    int fitW = 0, fitH = 0;
    SetZoomRange(BitmapWidth, BitmapHeight, &fitW, &fitH);
    RECT client = {};
    GetClientRect(ImageControl, &client);
    int x = 0, y = 0, fw = 0, fh = 0;
    ZI_Iconise(ImageFileWidth, ImageFileHeight, client.right, client.bottom, &x, &y, &fw, &fh);
    // a fit of no height would make the ratio infinite: the bitmap's own
    // fitting factor is used then, as for a picture taller than wide
    float ratio = fh < fw && fh > 0 ? (float)fw / (float)fh : 1.0f;
    float zoom = BitmapWidth ? (float)(fitW / (BitmapWidth / ratio)) : 0.0f;
    int position = RoundHalfEven(1000.0 * zoom);
    SendMessageA(ZoomTrackbar(), TBM_SETPOS, 1, position);

    GetClientRect(ImageControl, &client);
    x = RoundHalfEven((client.right - BitmapWidth) / 2.0);
    y = RoundHalfEven((client.bottom - BitmapHeight) / 2.0);
    ZD_DrawBitmapToCtrl(ImageControl, x, y, bitmap, ZD_ColorARGB(255, 0), PICTURE_OBJECT, 0);
    ZD_SetObjectScale(PICTURE_OBJECT, zoom);
    ZD_SetObjectAngle(PICTURE_OBJECT, skGaugeGetPos(GetDlgItem(MainWindow, IDC_GAUGE2)), 0);
    ZD_SetObjectAnchorMode(PICTURE_OBJECT, ANCHOR_CENTRED);
    SetFocus(ImageControl);
    ZI_SetObjectFocusID(PICTURE_OBJECT);
    PictureObjectId = PICTURE_OBJECT;
    // LastZoom takes the zoom of the position the trackbar now stands at:
    // a scroll that leaves the thumb there changes nothing, and every other
    // position zooms the new picture, the one the old picture was left at too
    LastZoom = position * ZOOM_PER_POSITION;
    ZD_SetObjectVisibility(PICTURE_OBJECT, 1);
    ZI_UpdateWindow(ImageControl, 0);
}

void ApplyZoom(int position)
{
    if (PictureObjectId == 0) return;
    float zoom = position * ZOOM_PER_POSITION;
    if (zoom != LastZoom) {
        HWND control = ZD_GetObjectParent(PictureObjectId);
        if (ZI_GetToolCropStatus(control)) ZI_DisableCropRectangle(control);
        ZD_SetObjectScale(PictureObjectId, zoom);
        ZI_UpdateWindow(control, 0);
    }
    LastZoom = zoom;
}
