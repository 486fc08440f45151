// skSkinChildCtrl and skBorder: both are drawn by the parent window, which is
// subclassed once. Skinned check boxes and drop-down lists get the skin's
// control colours through the parent's WM_CTLCOLOR* answers; borders are
// painted after the parent's own painting. A border is kept relative to the
// control it frames, so it follows the control when anchors move it.
#include <windows.h>

#include <commctrl.h>

#include "skin.h"
#include "velvane_exports.h"

const UINT_PTR CHILD_SKIN_SUBCLASS_ID = 0x56430001;
const char CHILD_SKIN_PROP[] = "VelvaneSkinnedChild";
const char BORDERS_PROP[] = "VelvaneBorders";
const int BORDERS_MAX = 8;

struct BorderSet {
    int count;
    HWND control[BORDERS_MAX];
    RECT offset[BORDERS_MAX]; // border edges minus the control's edges (parent coordinates)
    HBRUSH controlBrush;      // the skinned controls' background
};

static BorderSet *BordersOf(HWND parent)
{
    return (BorderSet *)GetPropA(parent, BORDERS_PROP);
}

static RECT ChildRect(HWND parent, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(0, parent, (POINT *)&r, 2);
    return r;
}

static void PaintBorders(HWND parent, BorderSet *b)
{
    HDC dc = GetDC(parent);
    if (!dc) return;
    HBRUSH edge = CreateSolidBrush(Skin.edgeColor);
    for (int i = 0; i < b->count; ++i) {
        if (!IsWindow(b->control[i])) continue;
        RECT c = ChildRect(parent, b->control[i]);
        RECT r = {c.left + b->offset[i].left, c.top + b->offset[i].top, c.right + b->offset[i].right,
                  c.bottom + b->offset[i].bottom};
        FrameRect(dc, &r, edge);
    }
    DeleteObject(edge);
    ReleaseDC(parent, dc);
}

static int IsSkinnedChild(HWND w)
{
    if (GetPropA(w, CHILD_SKIN_PROP)) return 1;
    char cls[16] = {0};
    GetClassNameA(w, cls, sizeof cls);
    return lstrcmpiA(cls, "ComboLBox") == 0; // the drop-down part of a list
}

static LRESULT OnCtlColor(HWND parent, BorderSet *b, WPARAM wParam, LPARAM lParam, UINT message)
{
    HDC dc = (HDC)wParam;
    SetTextColor(dc, Skin.controlTextColor);
    SetBkColor(dc, Skin.controlColor);
    if (!b->controlBrush) b->controlBrush = CreateSolidBrush(Skin.controlColor);
    (void)parent;
    (void)lParam;
    (void)message;
    return (LRESULT)b->controlBrush;
}

static LRESULT CALLBACK ChildSkinParentProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR data)
{
    (void)id;
    (void)data;
    BorderSet *b = BordersOf(w);
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (b && IsSkinnedChild((HWND)lParam)) return OnCtlColor(w, b, wParam, lParam, message);
        break;
    case WM_PAINT: {
        LRESULT r = DefSubclassProc(w, message, wParam, lParam);
        if (b) PaintBorders(w, b);
        return r;
    }
    case WM_SIZE: InvalidateRect(w, 0, TRUE); break;
    case WM_NCDESTROY:
        RemovePropA(w, BORDERS_PROP);
        if (b) {
            if (b->controlBrush) DeleteObject(b->controlBrush);
            HeapFree(GetProcessHeap(), 0, b);
        }
        RemoveWindowSubclass(w, ChildSkinParentProc, CHILD_SKIN_SUBCLASS_ID);
        break;
    }
    return DefSubclassProc(w, message, wParam, lParam);
}

// The parent's record, made and the parent subclassed on first use.
static BorderSet *AttachParent(HWND parent)
{
    BorderSet *b = BordersOf(parent);
    if (b) return b;
    b = (BorderSet *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *b);
    if (!b) return 0;
    if (!SetPropA(parent, BORDERS_PROP, b) ||
        !SetWindowSubclass(parent, ChildSkinParentProc, CHILD_SKIN_SUBCLASS_ID, 0)) {
        RemovePropA(parent, BORDERS_PROP);
        HeapFree(GetProcessHeap(), 0, b);
        return 0;
    }
    return b;
}

extern "C" {
int WINAPI skSkinChildCtrl(HWND control, int style)
{
    (void)style; // one look for every skinned control
    HWND parent = GetParent(control);
    if (!IsWindow(control) || !parent || !AttachParent(parent)) return 0;
    SetPropA(control, CHILD_SKIN_PROP, (HANDLE)1);
    InvalidateRect(control, 0, TRUE);
    return 1;
}

int WINAPI skBorder(HWND control, int x, int y, int width, int height, int style, int show)
{
    (void)style; // a one-pixel line in the skin's edge colour
    HWND parent = GetParent(control);
    if (!IsWindow(control) || !parent || width <= 0 || height <= 0) return 0;
    BorderSet *b = AttachParent(parent);
    if (!b) return 0;
    int i = 0;
    while (i < b->count && b->control[i] != control)
        ++i;
    if (!show) { // removes the control's border
        if (i < b->count) b->control[i] = b->control[--b->count], b->offset[i] = b->offset[b->count];
        InvalidateRect(parent, 0, TRUE);
        return 1;
    }
    if (i == b->count) {
        if (b->count == BORDERS_MAX) return 0;
        ++b->count;
    }
    RECT c = ChildRect(parent, control);
    b->control[i] = control;
    b->offset[i].left = x - c.left;
    b->offset[i].top = y - c.top;
    b->offset[i].right = x + width - c.right;
    b->offset[i].bottom = y + height - c.bottom;
    InvalidateRect(parent, 0, TRUE);
    return 1;
}
}
