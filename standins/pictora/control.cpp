// The image control "PICTORACTRL": registered when the library loads, as a
// global class, so a caller can create it with its own instance handle. The
// procedure only dispatches; each message has its handler.
#include "library.h"

#include <windowsx.h>

static HINSTANCE LibraryInstance;
static ATOM ControlClass;

ControlState *StateOf(HWND control)
{
    // only our own controls carry the state pointer in their extra bytes
    if (!control || !ControlClass || !IsWindow(control) || GetClassWord(control, GCW_ATOM) != ControlClass)
        return 0;
    return (ControlState *)GetWindowLongPtrA(control, 0);
}

void Repaint(HWND control, int now)
{
    if (!StateOf(control)) return;
    InvalidateRect(control, 0, FALSE);
    if (now) UpdateWindow(control);
}

static BOOL OnNcCreate(HWND window, LPCREATESTRUCTA create)
{
    ControlState *s = (ControlState *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ControlState));
    if (!s) return FALSE;
    s->useBackground = 1;
    s->width = create->cx;
    s->height = create->cy;
    SetWindowLongPtrA(window, 0, (LONG_PTR)s);
    return TRUE;
}

static void OnNcDestroy(HWND window)
{
    ControlState *s = StateOf(window);
    ReleaseObjectsOf(window);
    SetWindowLongPtrA(window, 0, 0);
    if (s) HeapFree(GetProcessHeap(), 0, s);
}

static void OnSize(HWND window, UINT state, int width, int height)
{
    (void)state;
    ControlState *s = StateOf(window);
    if (!s || width <= 0 || height <= 0) return; // a minimised parent keeps the objects where they are
    FollowResize(window, width - s->width, height - s->height);
    s->width = width;
    s->height = height;
    Repaint(window, 0);
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc) PaintControl(window, dc);
    EndPaint(window, &ps);
}

static void OnLButtonDown(HWND window, BOOL doubleClick, int x, int y, UINT keys)
{
    (void)doubleClick;
    (void)keys;
    ControlState *s = StateOf(window);
    SetFocus(window);
    if (!s) return;
    // a click picks the object under it; elsewhere the focused object moves
    PictureObject *o = HitObject(window, x, y);
    if (o)
        s->focusId = o->id;
    else
        o = FindObject(s->focusId);
    if (!o || o->parent != window || o->locked) return;
    s->dragging = 1;
    s->dragId = o->id;
    s->dragFrom.x = x;
    s->dragFrom.y = y;
    SetCapture(window);
}

static void OnMouseMove(HWND window, int x, int y, UINT keys)
{
    (void)keys;
    ControlState *s = StateOf(window);
    if (!s) return;
    if (s->cropping) DragCrop(window, s, x, y);
    if (!s->dragging) return;
    PictureObject *o = FindObject(s->dragId);
    if (!o || o->parent != window) return;
    MoveObject(o, x - s->dragFrom.x, y - s->dragFrom.y);
    s->dragFrom.x = x;
    s->dragFrom.y = y;
    Repaint(window, 1);
}

static void OnLButtonUp(HWND window, int x, int y, UINT keys)
{
    (void)x;
    (void)y;
    (void)keys;
    ControlState *s = StateOf(window);
    if (!s || !s->dragging) return;
    s->dragging = 0;
    if (GetCapture() == window) ReleaseCapture();
}

static void OnRButtonDown(HWND window, BOOL doubleClick, int x, int y, UINT keys)
{
    (void)doubleClick;
    (void)keys;
    ControlState *s = StateOf(window);
    SetFocus(window);
    if (s && !s->dragging) BeginCrop(window, s, x, y);
}

static void OnRButtonUp(HWND window, int x, int y, UINT keys)
{
    (void)keys;
    ControlState *s = StateOf(window);
    if (!s) return;
    DragCrop(window, s, x, y);
    EndCrop(window, s);
}

static void OnCaptureChanged(HWND window)
{
    ControlState *s = StateOf(window);
    if (!s) return;
    s->dragging = 0;
    EndCrop(window, s);
}

static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        if (!OnNcCreate(window, (LPCREATESTRUCTA)lParam)) return FALSE;
        break;
    case WM_NCDESTROY: OnNcDestroy(window); break;
    case WM_ERASEBKGND: return 1; // the paint covers every pixel
    case WM_PAINT: OnPaint(window); return 0;
    case WM_PRINTCLIENT: PaintControl(window, (HDC)wParam); return 0;
    case WM_SIZE: HANDLE_WM_SIZE(window, wParam, lParam, OnSize); return 0;
    case WM_LBUTTONDOWN: HANDLE_WM_LBUTTONDOWN(window, wParam, lParam, OnLButtonDown); return 0;
    case WM_MOUSEMOVE: HANDLE_WM_MOUSEMOVE(window, wParam, lParam, OnMouseMove); return 0;
    case WM_LBUTTONUP: HANDLE_WM_LBUTTONUP(window, wParam, lParam, OnLButtonUp); return 0;
    case WM_RBUTTONDOWN: HANDLE_WM_RBUTTONDOWN(window, wParam, lParam, OnRButtonDown); return 0;
    case WM_RBUTTONUP: HANDLE_WM_RBUTTONUP(window, wParam, lParam, OnRButtonUp); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(window); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static void RegisterControlClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = ControlProc;
    wc.cbWndExtra = sizeof(ControlState *);
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(0, IDC_ARROW);
    wc.lpszClassName = PICTORA_CLASS;
    ControlClass = RegisterClassA(&wc);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        LibraryInstance = instance;
        DisableThreadLibraryCalls(instance);
        RegisterControlClass(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterClassA(PICTORA_CLASS, instance);
    }
    return TRUE;
}

extern "C" {
HINSTANCE WINAPI zInstance()
{
    return LibraryInstance;
}

int WINAPI ZI_UpdateWindow(HWND control, int flags)
{
    (void)flags;
    if (!StateOf(control)) return 0;
    Repaint(control, 1);
    return 1;
}

int WINAPI ZI_UseVelvanebackground(HWND control, int use, int redraw)
{
    ControlState *s = StateOf(control);
    if (!s) return 0;
    s->useBackground = use != 0;
    Repaint(control, redraw);
    return 1;
}

int WINAPI ZI_GetImageSizeFromControl(HWND control, int *width, int *height)
{
    // the control's picture: its focused object, or else its lowest-numbered one
    ControlState *s = StateOf(control);
    PictureObject *o = s ? FindObject(s->focusId) : 0;
    if (o && o->parent != control) o = 0;
    if (!o && s) o = NextObjectOf(control, 0);
    if (width) *width = o ? o->width : 0;
    if (height) *height = o ? o->height : 0;
    return o != 0;
}
}
