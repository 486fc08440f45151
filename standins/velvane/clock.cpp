// skClockCtrl: a clock widget that shows the local time as HH:MM:SS from a
// digit-strip picture, redrawn every second by a timer of its own.
//
// The strip holds the digits 0 to 9 side by side in equal cells, optionally
// followed by an eleventh cell with the colon (told apart by the strip's width
// dividing by 11 but not by 10). Without a colon cell the colon is drawn as
// two dots. The first ARGB colour is the colour of the digits when no picture
// can be read (and of the drawn colon); the second is the colour of the
// widget's background panel. The alpha bytes are ignored. A width or height
// of 0 takes the size from the picture.
#include <windows.h>

#include <stdio.h>

#include "pictures.h"
#include "skin.h"
#include "velvane_exports.h"

const char CLOCK_CLASS[] = "VelvaneClock";
const UINT_PTR CLOCK_TIMER = 1;
const UINT CLOCK_PERIOD_MS = 1000;
const int CLOCK_FALLBACK_WIDTH = 96;
const int CLOCK_FALLBACK_HEIGHT = 28;
const int CLOCK_DIGITS = 10;

struct ClockWidget {
    HBITMAP strip;
    int cellWidth, cellHeight;
    int hasColonCell;
    COLORREF digitColor, panelColor;
};

static COLORREF FromArgb(int argb)
{
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

static ClockWidget *ClockOf(HWND w)
{
    return (ClockWidget *)GetWindowLongPtrA(w, GWLP_USERDATA);
}

static void PaintClock(HWND w, ClockWidget *c)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT r;
    GetClientRect(w, &r);
    HBRUSH panel = CreateSolidBrush(c->panelColor);
    FillRect(dc, &r, panel);
    DeleteObject(panel);
    SYSTEMTIME t;
    GetLocalTime(&t);
    char text[16];
    snprintf(text, sizeof text, "%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
    if (!c->strip) {
        HFONT font = CreateFontA(-(r.bottom - 10), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 ANTIALIASED_QUALITY, FIXED_PITCH, "Courier New");
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, c->digitColor);
        DrawTextA(dc, text, -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectObject(dc, old);
        DeleteObject(font);
        EndPaint(w, &ps);
        return;
    }
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, c->strip);
    int colonWidth = c->hasColonCell ? c->cellWidth : c->cellWidth / 2;
    int x = (r.right - (6 * c->cellWidth + 2 * colonWidth)) / 2;
    int y = (r.bottom - c->cellHeight) / 2;
    for (const char *p = text; *p; ++p) {
        if (*p != ':') {
            StretchBlt(dc, x, y, c->cellWidth, c->cellHeight, mem, (*p - '0') * c->cellWidth, 0, c->cellWidth,
                       c->cellHeight, SRCCOPY);
            x += c->cellWidth;
        } else if (c->hasColonCell) {
            BitBlt(dc, x, y, c->cellWidth, c->cellHeight, mem, CLOCK_DIGITS * c->cellWidth, 0, SRCCOPY);
            x += colonWidth;
        } else {
            HBRUSH dot = CreateSolidBrush(c->digitColor);
            int d = colonWidth / 3 > 1 ? colonWidth / 3 : 2;
            RECT a = {x + colonWidth / 2 - d / 2, y + c->cellHeight / 3 - d / 2, 0, 0};
            a.right = a.left + d;
            a.bottom = a.top + d;
            FillRect(dc, &a, dot);
            OffsetRect(&a, 0, c->cellHeight / 3);
            FillRect(dc, &a, dot);
            DeleteObject(dot);
            x += colonWidth;
        }
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    EndPaint(w, &ps);
}

static LRESULT CALLBACK ClockProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam)
{
    ClockWidget *c = ClockOf(w);
    if (!c) return DefWindowProcA(w, message, wParam, lParam); // before the widget is attached
    switch (message) {
    case WM_PAINT: PaintClock(w, c); return 0;
    case WM_TIMER:
        if (wParam == CLOCK_TIMER) InvalidateRect(w, 0, FALSE);
        return 0;
    case WM_NCDESTROY:
        KillTimer(w, CLOCK_TIMER);
        if (c->strip) DeleteObject(c->strip);
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        HeapFree(GetProcessHeap(), 0, c);
        break;
    }
    return DefWindowProcA(w, message, wParam, lParam);
}

extern "C" HWND WINAPI skClockCtrl(HWND parent, const char *image, int x, int y, int width, int height,
                                   int id, int argb1, int argb2, int flags)
{
    (void)flags;
    if (!IsWindow(parent)) return 0;
    WNDCLASSEXA wc;
    if (!GetClassInfoExA(SkinModule(), CLOCK_CLASS, &wc)) {
        ZeroMemory(&wc, sizeof wc);
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ClockProc;
        wc.hInstance = SkinModule();
        wc.hCursor = LoadCursorA(0, IDC_ARROW);
        wc.lpszClassName = CLOCK_CLASS;
        if (!RegisterClassExA(&wc)) return 0;
    }
    ClockWidget *c = (ClockWidget *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *c);
    if (!c) return 0;
    c->digitColor = FromArgb(argb1);
    c->panelColor = FromArgb(argb2);
    int sw = 0, sh = 0;
    c->strip = LoadPictureBitmap(image, c->panelColor, &sw, &sh);
    if (c->strip) {
        c->hasColonCell = sw % 11 == 0 && sw % 10 != 0;
        c->cellWidth = sw / (c->hasColonCell ? 11 : 10);
        c->cellHeight = sh;
        if (c->cellWidth <= 0) {
            DeleteObject(c->strip);
            c->strip = 0;
        }
    }
    int w = CLOCK_FALLBACK_WIDTH, h = CLOCK_FALLBACK_HEIGHT;
    if (c->strip) {
        w = 6 * c->cellWidth + 2 * (c->hasColonCell ? c->cellWidth : c->cellWidth / 2) + 8;
        h = c->cellHeight + 4;
    }
    if (width > 0) w = width;
    if (height > 0) h = height;
    HWND clock = CreateWindowExA(0, CLOCK_CLASS, 0, WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                                 (HMENU)(INT_PTR)id, SkinModule(), 0);
    if (!clock) {
        if (c->strip) DeleteObject(c->strip);
        HeapFree(GetProcessHeap(), 0, c);
        return 0;
    }
    SetWindowLongPtrA(clock, GWLP_USERDATA, (LONG_PTR)c);
    SetTimer(clock, CLOCK_TIMER, CLOCK_PERIOD_MS, 0);
    InvalidateRect(clock, 0, TRUE);
    return clock;
}
