// The picture widgets: skButtonImage, skKnobGauge, skGaugeGetPos and
// skGaugeSetPos.
//
// Image button: the picture is a strip of frames side by side (or stacked,
// when it is taller than wide): normal, under the mouse, pressed, disabled,
// focused. A click (press and release over the button) sends WM_COMMAND
// (id, BN_CLICKED) with the button's handle to the parent.
//
// Knob gauge: position 0..359, an angle in degrees. Dragging up or right
// turns it forward, one degree per pixel; the wheel turns it 10 degrees a
// notch; the arrow keys one. Each change sends WM_NOTIFY to the parent with an
// NMHDR {gauge, id, new position}. skGaugeSetPos moves it without notifying.
// The knob picture is drawn with a mark at the angle; without a picture a
// round knob is drawn.
#include <windows.h>
#include <windowsx.h>

#include <math.h>

#include "pictures.h"
#include "skin.h"
#include "velvane_exports.h"

const char BUTTON_CLASS[] = "VelvaneButtonImage";
const char KNOB_CLASS[] = "VelvaneKnobGauge";
const int KNOB_RANGE = 360;
const int KNOB_WHEEL_STEP = 10;
const int KNOB_FALLBACK_SIZE = 36;
const int BUTTON_FALLBACK_SIZE = 40;

struct Widget {
    HBITMAP picture;
    int pictureWidth, pictureHeight;
    int frames;
    int position; // the knob's angle
    int hot, pressed;
    int dragY, dragX, dragStart;
};

static Widget *WidgetOf(HWND w)
{
    return (Widget *)GetWindowLongPtrA(w, GWLP_USERDATA);
}

static int Wrap(int p)
{
    return ((p % KNOB_RANGE) + KNOB_RANGE) % KNOB_RANGE;
}

static void NotifyTurn(HWND w, Widget *g)
{
    NMHDR n;
    n.hwndFrom = w;
    n.idFrom = (UINT_PTR)GetDlgCtrlID(w);
    n.code = (UINT)g->position;
    SendMessageA(GetParent(w), WM_NOTIFY, n.idFrom, (LPARAM)&n);
}

static void Turn(HWND w, Widget *g, int position)
{
    position = Wrap(position);
    if (position == g->position) return;
    g->position = position;
    InvalidateRect(w, 0, FALSE);
    NotifyTurn(w, g);
}

static void PaintWidget(HWND w, Widget *g, int knob)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT r;
    GetClientRect(w, &r);
    HBRUSH back = CreateSolidBrush(Skin.controlColor);
    FillRect(dc, &r, back);
    DeleteObject(back);
    if (g->picture) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, g->picture);
        if (knob) {
            BitBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, SRCCOPY);
        } else {
            int horizontal = g->pictureWidth >= g->pictureHeight;
            int frame = g->pressed ? 2 : g->hot ? 1 : 0;
            if (!IsWindowEnabled(w)) frame = 3;
            if (frame >= g->frames) frame = 0;
            BitBlt(dc, 0, 0, r.right, r.bottom, mem, horizontal ? frame * r.right : 0,
                   horizontal ? 0 : frame * r.bottom, SRCCOPY);
        }
        SelectObject(mem, old);
        DeleteDC(mem);
    } else {
        HBRUSH face = CreateSolidBrush(g->pressed || g->hot ? Skin.buttonHotColor : Skin.buttonColor);
        HPEN edge = CreatePen(PS_SOLID, 1, Skin.edgeColor);
        HGDIOBJ ob = SelectObject(dc, face), op = SelectObject(dc, edge);
        if (knob)
            Ellipse(dc, 1, 1, r.right - 1, r.bottom - 1);
        else
            RoundRect(dc, 1, 1, r.right - 1, r.bottom - 1, 8, 8);
        SelectObject(dc, ob);
        SelectObject(dc, op);
        DeleteObject(face);
        DeleteObject(edge);
    }
    if (knob) {
        // The mark: from near the centre toward the rim at the angle, 0 at the top, clockwise.
        double a = g->position * 3.14159265358979 / 180.0;
        int cx = r.right / 2, cy = r.bottom / 2, rad = (r.right < r.bottom ? r.right : r.bottom) / 2 - 4;
        HPEN mark = CreatePen(PS_SOLID, 3, Skin.edgeColor);
        HGDIOBJ op = SelectObject(dc, mark);
        MoveToEx(dc, cx + (int)(sin(a) * rad * 0.3), cy - (int)(cos(a) * rad * 0.3), 0);
        LineTo(dc, cx + (int)(sin(a) * rad), cy - (int)(cos(a) * rad));
        SelectObject(dc, op);
        DeleteObject(mark);
    }
    EndPaint(w, &ps);
}

static void OnNcDestroy(HWND w)
{
    Widget *g = WidgetOf(w);
    if (!g) return;
    if (g->picture) DeleteObject(g->picture);
    SetWindowLongPtrA(w, GWLP_USERDATA, 0);
    HeapFree(GetProcessHeap(), 0, g);
}

static LRESULT CALLBACK ButtonProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    Widget *g = WidgetOf(w);
    if (!g) return DefWindowProcA(w, message, wParam, lParam); // before the widget is attached
    switch (message) {
    case WM_PAINT: PaintWidget(w, g, 0); return 0;
    case WM_MOUSEMOVE:
        if (!g->hot) {
            g->hot = 1;
            TRACKMOUSEEVENT t = {sizeof t, TME_LEAVE, w, 0};
            TrackMouseEvent(&t);
            InvalidateRect(w, 0, FALSE);
        }
        return 0;
    case WM_MOUSELEAVE:
        g->hot = 0;
        InvalidateRect(w, 0, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        g->pressed = 1;
        SetCapture(w);
        InvalidateRect(w, 0, FALSE);
        return 0;
    case WM_LBUTTONUP: {
        int was = g->pressed;
        g->pressed = 0;
        if (GetCapture() == w) ReleaseCapture();
        InvalidateRect(w, 0, FALSE);
        RECT r;
        GetClientRect(w, &r);
        POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (was && PtInRect(&r, p))
            SendMessageA(GetParent(w), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(w), BN_CLICKED), (LPARAM)w);
        return 0;
    }
    case WM_NCDESTROY: OnNcDestroy(w); break;
    }
    return DefWindowProcA(w, message, wParam, lParam);
}

static LRESULT CALLBACK KnobProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    Widget *g = WidgetOf(w);
    if (!g) return DefWindowProcA(w, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: PaintWidget(w, g, 1); return 0;
    case WM_LBUTTONDOWN:
        g->dragX = GET_X_LPARAM(lParam);
        g->dragY = GET_Y_LPARAM(lParam);
        g->dragStart = g->position;
        g->pressed = 1;
        SetCapture(w);
        return 0;
    case WM_MOUSEMOVE:
        if (g->pressed)
            Turn(w, g, g->dragStart + (GET_X_LPARAM(lParam) - g->dragX) - (GET_Y_LPARAM(lParam) - g->dragY));
        return 0;
    case WM_LBUTTONUP:
        g->pressed = 0;
        if (GetCapture() == w) ReleaseCapture();
        return 0;
    case WM_MOUSEWHEEL:
        Turn(w, g, g->position + (GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA) * KNOB_WHEEL_STEP);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_RIGHT) Turn(w, g, g->position + 1);
        if (wParam == VK_DOWN || wParam == VK_LEFT) Turn(w, g, g->position - 1);
        return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_NCDESTROY: OnNcDestroy(w); break;
    }
    return DefWindowProcA(w, message, wParam, lParam);
}

static int RegisterWidgetClass(const char *name, WNDPROC proc)
{
    WNDCLASSEXA wc;
    if (GetClassInfoExA(SkinModule(), name, &wc)) return 1;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = SkinModule();
    wc.hCursor = LoadCursorA(0, IDC_HAND);
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

// A widget window of the size of one picture frame (or the fallback size).
static HWND CreateWidget(const char *cls, WNDPROC proc, HWND parent, const char *image, int x, int y, int id,
                         int frames, int fallback)
{
    if (!IsWindow(parent) || !RegisterWidgetClass(cls, proc)) return 0;
    Widget *g = (Widget *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *g);
    if (!g) return 0;
    g->frames = frames < 1 ? 1 : frames;
    g->picture = LoadPictureBitmap(image, Skin.controlColor, &g->pictureWidth, &g->pictureHeight);
    int w = fallback, h = fallback;
    if (g->picture) {
        int horizontal = g->pictureWidth >= g->pictureHeight;
        w = horizontal ? g->pictureWidth / g->frames : g->pictureWidth;
        h = horizontal ? g->pictureHeight : g->pictureHeight / g->frames;
    }
    HWND hw = CreateWindowExA(0, cls, 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, w, h, parent,
                              (HMENU)(INT_PTR)id, SkinModule(), 0);
    if (!hw) {
        if (g->picture) DeleteObject(g->picture);
        HeapFree(GetProcessHeap(), 0, g);
        return 0;
    }
    SetWindowLongPtrA(hw, GWLP_USERDATA, (LONG_PTR)g);
    InvalidateRect(hw, 0, TRUE);
    return hw;
}

static Widget *KnobOf(HWND gauge)
{
    char cls[32] = {0};
    if (!IsWindow(gauge) || !GetClassNameA(gauge, cls, sizeof cls) || lstrcmpA(cls, KNOB_CLASS) != 0)
        return 0;
    return WidgetOf(gauge);
}

extern "C" {
HWND WINAPI skButtonImage(HWND parent, const char *image, int x, int y, int id, int frames)
{
    return CreateWidget(BUTTON_CLASS, ButtonProc, parent, image, x, y, id, frames, BUTTON_FALLBACK_SIZE);
}

HWND WINAPI skKnobGauge(HWND parent, const char *image, int x, int y, int width, int height, int id,
                        int minimum, int maximum, int position, int flags)
{
    (void)minimum; // the range is always 0..359 degrees
    (void)maximum;
    (void)flags;
    HWND w = CreateWidget(KNOB_CLASS, KnobProc, parent, image, x, y, id, 1, KNOB_FALLBACK_SIZE);
    if (w && width > 0 && height > 0) SetWindowPos(w, 0, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    if (w) WidgetOf(w)->position = Wrap(position);
    return w;
}

int WINAPI skGaugeGetPos(HWND gauge)
{
    Widget *g = KnobOf(gauge);
    return g ? g->position : 0;
}

int WINAPI skGaugeSetPos(HWND gauge, int position, int redraw)
{
    Widget *g = KnobOf(gauge);
    if (!g) return 0;
    g->position = Wrap(position);
    if (redraw) InvalidateRect(gauge, 0, FALSE);
    return 1;
}
}
