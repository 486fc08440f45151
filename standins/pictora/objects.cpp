// Drawing objects: one table for the whole library, since the calls name an
// object by its id alone. An object lives in one control; drawing a bitmap
// under an id that exists replaces that object, wherever it was.
#include "library.h"

#include <math.h>

enum { MAX_OBJECTS = 64 };

static PictureObject Objects[MAX_OBJECTS];

PictureObject *FindObject(int id)
{
    if (id == 0) return 0;
    for (int i = 0; i < MAX_OBJECTS; ++i)
        if (Objects[i].id == id) return &Objects[i];
    return 0;
}

PictureObject *NextObjectOf(HWND control, PictureObject *after)
{
    PictureObject *next = 0;
    for (int i = 0; i < MAX_OBJECTS; ++i) {
        PictureObject *o = &Objects[i];
        if (!o->id || o->parent != control) continue;
        if (after && o->id <= after->id) continue;
        if (!next || o->id < next->id) next = o;
    }
    return next;
}

void ReleaseObjectsOf(HWND control)
{
    for (int i = 0; i < MAX_OBJECTS; ++i)
        if (Objects[i].id && Objects[i].parent == control) {
            DeleteObject(Objects[i].bitmap);
            Objects[i] = PictureObject();
        }
}

// The topmost visible object whose opaque pixel lies under (x, y).
PictureObject *HitObject(HWND control, int x, int y)
{
    PictureObject *hit = 0;
    for (PictureObject *o = NextObjectOf(control, 0); o; o = NextObjectOf(control, o)) {
        if (!o->visible || o->scale <= 0) continue;
        // back from control coordinates to the bitmap's own pixels
        double a = -o->angle * 3.14159265358979 / 180.0;
        double dx = x + 0.5 - (o->x + o->width / 2.0), dy = y + 0.5 - (o->y + o->height / 2.0);
        double lx = (dx * cos(a) - dy * sin(a)) / o->scale + o->width / 2.0;
        double ly = (dx * sin(a) + dy * cos(a)) / o->scale + o->height / 2.0;
        if (lx < 0 || ly < 0 || lx >= o->width || ly >= o->height) continue;
        DWORD pixel = ((const DWORD *)o->bits)[(int)ly * o->width + (int)lx];
        if (pixel >> 24) hit = o;
    }
    return hit;
}

void MoveObject(PictureObject *o, int dx, int dy)
{
    o->x += dx;
    o->y += dy;
}

void FollowResize(HWND control, int dw, int dh)
{
    for (PictureObject *o = NextObjectOf(control, 0); o; o = NextObjectOf(control, o))
        if (o->anchorMode == ANCHOR_TOP_RIGHT) {
            o->x += dw;
        } else if (o->anchorMode == ANCHOR_CENTRED) {
            o->x += dw / 2.0f;
            o->y += dh / 2.0f;
        }
}

static PictureObject *FreeSlot()
{
    for (int i = 0; i < MAX_OBJECTS; ++i)
        if (!Objects[i].id) return &Objects[i];
    return 0;
}

extern "C" {
int WINAPI ZD_DrawBitmapToCtrl(HWND control, int x, int y, HBITMAP bitmap, int argb, int objectId, int style)
{
    // the library owns the bitmap from here on, even when it cannot be shown
    void *bits = 0;
    int w = 0, h = 0;
    HBITMAP adopted = bitmap ? AdoptBitmap(bitmap, &bits, &w, &h) : 0;
    PictureObject *o = FindObject(objectId);
    if (!o) o = FreeSlot();
    if (!adopted || !objectId || !o || !StateOf(control)) {
        // nothing changes: an object of that id keeps its picture
        if (adopted)
            DeleteObject(adopted);
        else if (bitmap)
            DeleteObject(bitmap);
        return 0;
    }
    if (o->id) {
        DeleteObject(o->bitmap);
        if (o->parent != control) Repaint(o->parent, 0);
    }
    *o = PictureObject();
    o->id = objectId;
    o->parent = control;
    o->bitmap = adopted;
    o->bits = bits;
    o->width = w;
    o->height = h;
    o->x = (float)x;
    o->y = (float)y;
    o->scale = 1.0f;
    o->visible = 1;
    o->argb = argb;
    o->style = style;
    Repaint(control, 0);
    return objectId;
}

int WINAPI ZD_SetObjectScale(int objectId, float scale)
{
    PictureObject *o = FindObject(objectId);
    // a zoom of zero, below or not a number would make the object vanish for good
    if (!o || !(scale > 0.0f) || scale > 1000.0f) return 0;
    o->scale = scale;
    Repaint(o->parent, 0);
    return 1;
}

int WINAPI ZD_SetObjectAngle(int objectId, int angle, int redraw)
{
    PictureObject *o = FindObject(objectId);
    if (!o) return 0;
    o->angle = angle % 360;
    Repaint(o->parent, redraw);
    return 1;
}

int WINAPI ZD_SetObjectAnchorMode(int objectId, int mode)
{
    PictureObject *o = FindObject(objectId);
    if (!o) return 0;
    o->anchorMode = mode;
    return 1;
}

int WINAPI ZD_SetObjectLocked(int objectId, int locked)
{
    PictureObject *o = FindObject(objectId);
    if (!o) return 0;
    o->locked = locked != 0;
    return 1;
}

int WINAPI ZD_SetObjectVisibility(int objectId, int visible)
{
    PictureObject *o = FindObject(objectId);
    if (!o) return 0;
    o->visible = visible != 0;
    Repaint(o->parent, 0);
    return 1;
}

HWND WINAPI ZD_GetObjectParent(int objectId)
{
    PictureObject *o = FindObject(objectId);
    return o ? o->parent : 0;
}

int WINAPI ZI_SetObjectFocusID(int objectId)
{
    PictureObject *o = FindObject(objectId);
    ControlState *s = o ? StateOf(o->parent) : 0;
    if (!s) return 0;
    s->focusId = objectId;
    return 1;
}
}
