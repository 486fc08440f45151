// skSetAnchorCtrl: keeps a control placed relative to its parent's client
// edges when the parent is resized. The distances to the edges are taken when
// the anchor is set; the parent is subclassed once and re-places its anchored
// children on every WM_SIZE (not while minimised).
//
// Anchor codes:
//   0  none (the control stays where it is; also ends an earlier anchor)
//   1  left and top           2  right and top
//   3  left and bottom        4  right and bottom
//   5  all four edges: the control stretches with the parent
//   6  right, top and bottom: moves with the right edge, stretches in height
//   7  left and bottom (the clock)
//   8  left, top and right: stretches in width
//   9  right and bottom (the select-image button)
//   10 bottom, and its offset from the horizontal centre: the bottom row
//      moves down with the bottom edge and stays centred across the width
// Any other code is refused (result 0).
#include <windows.h>

#include <commctrl.h>

#include "velvane_exports.h"

const UINT_PTR ANCHOR_SUBCLASS_ID = 0x56410001;
const char ANCHOR_PROP[] = "VelvaneAnchor";

const int ANCHOR_LEFT = 1;
const int ANCHOR_TOP = 2;
const int ANCHOR_RIGHT = 4;
const int ANCHOR_BOTTOM = 8;
const int ANCHOR_CENTRE_X = 16;

static const int AnchorEdges[11] = {
    0,
    ANCHOR_LEFT | ANCHOR_TOP,
    ANCHOR_RIGHT | ANCHOR_TOP,
    ANCHOR_LEFT | ANCHOR_BOTTOM,
    ANCHOR_RIGHT | ANCHOR_BOTTOM,
    ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT | ANCHOR_BOTTOM,
    ANCHOR_RIGHT | ANCHOR_TOP | ANCHOR_BOTTOM,
    ANCHOR_LEFT | ANCHOR_BOTTOM,
    ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT,
    ANCHOR_RIGHT | ANCHOR_BOTTOM,
    ANCHOR_CENTRE_X | ANCHOR_BOTTOM,
};

// What is kept per control (heap block owned through the window property).
struct AnchorRecord {
    int edges;
    int left, top, right, bottom; // distances to the parent's client edges
    int width, height;
    int centreOffset; // left edge minus half the parent's width
};

static void PlaceOne(HWND control, const AnchorRecord *a, int w, int h)
{
    int x, y, cw = a->width, ch = a->height;
    if ((a->edges & ANCHOR_LEFT) && (a->edges & ANCHOR_RIGHT)) cw = w - a->left - a->right;
    if ((a->edges & ANCHOR_TOP) && (a->edges & ANCHOR_BOTTOM)) ch = h - a->top - a->bottom;
    if (a->edges & ANCHOR_LEFT)
        x = a->left;
    else if (a->edges & ANCHOR_RIGHT)
        x = w - a->right - cw;
    else if (a->edges & ANCHOR_CENTRE_X)
        x = w / 2 + a->centreOffset;
    else
        x = a->left;
    if (a->edges & ANCHOR_TOP)
        y = a->top;
    else if (a->edges & ANCHOR_BOTTOM)
        y = h - a->bottom - ch;
    else
        y = a->top;
    if (cw < 0) cw = 0;
    if (ch < 0) ch = 0;
    SetWindowPos(control, 0, x, y, cw, ch, SWP_NOZORDER | SWP_NOACTIVATE);
}

static BOOL CALLBACK PlaceChild(HWND child, LPARAM lParam)
{
    const RECT *client = (const RECT *)lParam;
    AnchorRecord *a = (AnchorRecord *)GetPropA(child, ANCHOR_PROP);
    if (a) PlaceOne(child, a, client->right, client->bottom);
    return TRUE;
}

static LRESULT CALLBACK AnchorParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data)
{
    (void)id;
    (void)data;
    if (message == WM_SIZE && wParam != SIZE_MINIMIZED) {
        RECT client = {0, 0, (short)LOWORD(lParam), (short)HIWORD(lParam)};
        EnumChildWindows(window, PlaceChild, (LPARAM)&client);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, AnchorParentProc, ANCHOR_SUBCLASS_ID);
    return DefSubclassProc(window, message, wParam, lParam);
}

// Frees a control's record when the control goes.
static LRESULT CALLBACK AnchorChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data)
{
    (void)id;
    (void)data;
    if (message == WM_NCDESTROY) {
        HeapFree(GetProcessHeap(), 0, RemovePropA(window, ANCHOR_PROP));
        RemoveWindowSubclass(window, AnchorChildProc, ANCHOR_SUBCLASS_ID);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

extern "C" int WINAPI skSetAnchorCtrl(HWND control, int anchor)
{
    HWND parent = GetParent(control);
    if (!IsWindow(control) || !parent || anchor < 0 || anchor > 10) return 0;
    if (anchor > 0 && AnchorEdges[anchor] == 0) return 0;
    AnchorRecord *a = (AnchorRecord *)GetPropA(control, ANCHOR_PROP);
    if (anchor == 0) {
        if (a) a->edges = 0;
        return 1;
    }
    if (!a) {
        a = (AnchorRecord *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *a);
        if (!a) return 0;
        if (!SetPropA(control, ANCHOR_PROP, a)) {
            HeapFree(GetProcessHeap(), 0, a);
            return 0;
        }
        SetWindowSubclass(control, AnchorChildProc, ANCHOR_SUBCLASS_ID, 0);
    }
    RECT client, r;
    GetClientRect(parent, &client);
    GetWindowRect(control, &r);
    MapWindowPoints(0, parent, (POINT *)&r, 2);
    a->edges = AnchorEdges[anchor];
    a->left = r.left;
    a->top = r.top;
    a->right = client.right - r.right;
    a->bottom = client.bottom - r.bottom;
    a->width = r.right - r.left;
    a->height = r.bottom - r.top;
    a->centreOffset = r.left - client.right / 2;
    SetWindowSubclass(parent, AnchorParentProc, ANCHOR_SUBCLASS_ID, 0);
    return 1;
}
