// Inner declarations of the stand-in PICTORA.DLL, shared by its files.
#pragma once
#include "pictora_exports.h"

// Anchor modes of a drawing object: how it follows a resize of its control.
enum {
    ANCHOR_TOP_LEFT = 0,  // keeps its place (also every mode not listed here)
    ANCHOR_TOP_RIGHT = 2, // keeps its distance to the right edge and the top
    ANCHOR_CENTRED = 13   // keeps its offset from the control's centre
};

// Style flag of ZD_DrawBitmapToCtrl: the object casts a soft shadow in the
// RGB of its colour (the logo uses it); style 0 draws it plain.
enum { STYLE_SHADOW = 1 };

// A drawing object. The bitmap is a 32-bit top-down DIB section with straight
// alpha, owned by the library. (x, y) is where its unscaled top left corner
// lies in the control; scale and angle turn it about its centre.
struct PictureObject {
    int id; // 0: a free slot
    HWND parent;
    HBITMAP bitmap;
    void *bits;
    int width, height;
    float x, y;
    float scale;
    int angle;
    int anchorMode;
    int locked, visible;
    int argb, style;
};

// What one image control keeps, allocated on WM_NCCREATE.
struct ControlState {
    int useBackground;
    int focusId;
    int width, height; // client size last seen, for the anchors
    int dragging, dragId;
    POINT dragFrom;
    int cropping, cropOn; // the crop rectangle: being drawn / shown
    POINT cropFrom, cropTo;
};

ControlState *StateOf(HWND control);
void Repaint(HWND control, int now);

// objects.cpp
PictureObject *FindObject(int id);
PictureObject *NextObjectOf(HWND control, PictureObject *after); // ascending id order
PictureObject *HitObject(HWND control, int x, int y);
void FollowResize(HWND control, int dw, int dh);
void MoveObject(PictureObject *o, int dx, int dy);
void ReleaseObjectsOf(HWND control);

// painting.cpp
int StartGdiplus();
void PaintControl(HWND control, HDC target);

// pictures.cpp: a 32-bit top-down DIB section of the library's form.
HBITMAP CreatePictureDib(int width, int height, void **bits);
HBITMAP AdoptBitmap(HBITMAP bitmap, void **bits, int *width, int *height);

// fit.cpp
void FitInBox(int width, int height, int boxWidth, int boxHeight, int *x, int *y, int *fitWidth,
              int *fitHeight);

// crop.cpp
void BeginCrop(HWND control, ControlState *s, int x, int y);
void DragCrop(HWND control, ControlState *s, int x, int y);
void EndCrop(HWND control, ControlState *s);
void DrawCropBand(void *graphics, ControlState *s);
