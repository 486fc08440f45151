// skSkinWindow: the skinned frame of a top-level window. The window is
// subclassed; its non-client area becomes exactly the skin's four insets
// (WM_NCCALCSIZE), painted in the skin's colours with the title and the
// caption buttons (WM_NCPAINT, WM_NCACTIVATE), and hit-tested so that the
// caption drags, the edges resize and the buttons act (WM_NCHITTEST,
// WM_NCLBUTTONDOWN, WM_NCLBUTTONUP).
//
// Of the "|"-separated labels, "Minimize", "Maximize", "Restore" and "Close"
// make buttons (Maximize and Restore share one place: the one that fits the
// window's state shows). "Dock" and "Undock" name a docking feature this
// stand-in does not have; they are accepted and show no button.
#include <windows.h>

#include <commctrl.h>
#include <string.h>

#include "common/bounded_text.h"
#include "region_window.h"
#include "skin.h"
#include "velvane_exports.h"

const UINT_PTR FRAME_SUBCLASS_ID = 0x56460001;
const int FRAME_BUTTON_WIDTH = 24;
const int FRAME_BUTTON_HEIGHT = 18;
const int FRAME_BUTTON_GAP = 3;
const int FRAME_GRIP = 6; // resize grip width at the outer edge

// Button flags kept in the subclass data.
const DWORD_PTR FRAME_HAS_MIN = 1;
const DWORD_PTR FRAME_HAS_MAX = 2;
const DWORD_PTR FRAME_HAS_CLOSE = 4;
const char FRAME_PRESSED_PROP[] = "VelvaneFramePressed";

// Which buttons the labels ask for.
static DWORD_PTR ButtonsFromLabels(const char *labels)
{
    DWORD_PTR flags = 0;
    char word[32];
    const char *p = labels ? labels : "";
    while (*p) {
        const char *bar = strchr(p, '|');
        size_t n = bar ? (size_t)(bar - p) : strlen(p);
        CopyText(word, n + 1 < sizeof word ? n + 1 : sizeof word, p);
        if (lstrcmpiA(word, "Minimize") == 0) flags |= FRAME_HAS_MIN;
        if (lstrcmpiA(word, "Maximize") == 0 || lstrcmpiA(word, "Restore") == 0) flags |= FRAME_HAS_MAX;
        if (lstrcmpiA(word, "Close") == 0) flags |= FRAME_HAS_CLOSE;
        p += n;
        if (*p) ++p;
    }
    return flags;
}

// The rectangle (window coordinates) of caption button hit, or an empty one.
static RECT ButtonRect(HWND window, DWORD_PTR flags, int hit)
{
    RECT wr, r = {0, 0, 0, 0};
    GetWindowRect(window, &wr);
    int right = wr.right - wr.left - Skin.insets[SKIN_RIGHT] - FRAME_BUTTON_GAP;
    int top = (Skin.insets[SKIN_TOP] - FRAME_BUTTON_HEIGHT) / 2;
    if (top < 0) top = 0;
    static const int order[3] = {HTCLOSE, HTMAXBUTTON, HTMINBUTTON};
    static const DWORD_PTR need[3] = {FRAME_HAS_CLOSE, FRAME_HAS_MAX, FRAME_HAS_MIN};
    for (int i = 0; i < 3; ++i) {
        if (!(flags & need[i])) continue;
        RECT b = {right - FRAME_BUTTON_WIDTH, top, right, top + FRAME_BUTTON_HEIGHT};
        if (order[i] == hit) return b;
        right -= FRAME_BUTTON_WIDTH + FRAME_BUTTON_GAP;
    }
    return r;
}

static void FillColor(HDC dc, const RECT *r, COLORREF c)
{
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, r, b);
    DeleteObject(b);
}

static void DrawGlyph(HDC dc, const RECT *b, int hit, int zoomed)
{
    HPEN pen = CreatePen(PS_SOLID, 2, Skin.captionTextColor);
    HGDIOBJ old = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    int cx = (b->left + b->right) / 2, cy = (b->top + b->bottom) / 2;
    if (hit == HTMINBUTTON) {
        MoveToEx(dc, cx - 5, cy + 4, 0);
        LineTo(dc, cx + 5, cy + 4);
    } else if (hit == HTMAXBUTTON && !zoomed) {
        Rectangle(dc, cx - 5, cy - 5, cx + 6, cy + 5);
    } else if (hit == HTMAXBUTTON) {
        Rectangle(dc, cx - 5, cy - 2, cx + 3, cy + 5);
        MoveToEx(dc, cx - 2, cy - 5, 0);
        LineTo(dc, cx + 6, cy - 5);
        LineTo(dc, cx + 6, cy + 2);
    } else {
        MoveToEx(dc, cx - 4, cy - 4, 0);
        LineTo(dc, cx + 5, cy + 5);
        MoveToEx(dc, cx + 4, cy - 4, 0);
        LineTo(dc, cx - 5, cy + 5);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, old);
    DeleteObject(pen);
}

static void PaintFrame(HWND window, DWORD_PTR flags)
{
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    RECT wr;
    GetWindowRect(window, &wr);
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    RECT inner = {Skin.insets[SKIN_LEFT], Skin.insets[SKIN_TOP], w - Skin.insets[SKIN_RIGHT],
                  h - Skin.insets[SKIN_BOTTOM]};
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    RECT all = {0, 0, w, h};
    FillColor(dc, &all, Skin.frameColor);
    RECT caption = {1, 1, w - 1, Skin.insets[SKIN_TOP]};
    FillColor(dc, &caption, Skin.captionColor);
    HBRUSH edge = CreateSolidBrush(Skin.edgeColor);
    FrameRect(dc, &all, edge);
    RECT around = {inner.left - 1, inner.top - 1, inner.right + 1, inner.bottom + 1};
    FrameRect(dc, &around, edge);
    DeleteObject(edge);

    char title[256] = {0};
    GetWindowTextA(window, title, sizeof title);
    HFONT font = CreateFontA(-Skin.fontSize, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, Skin.fontName);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Skin.captionTextColor);
    RECT text = {Skin.insets[SKIN_LEFT] + 6, 0, w - 3 * (FRAME_BUTTON_WIDTH + FRAME_BUTTON_GAP) - 8,
                 Skin.insets[SKIN_TOP]};
    DrawTextA(dc, title, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteObject(font);

    int pressed = (int)(INT_PTR)GetPropA(window, FRAME_PRESSED_PROP);
    static const int hits[3] = {HTMINBUTTON, HTMAXBUTTON, HTCLOSE};
    for (int hit : hits) {
        RECT b = ButtonRect(window, flags, hit);
        if (IsRectEmpty(&b)) continue;
        FillColor(dc, &b, hit == pressed ? Skin.buttonHotColor : Skin.buttonColor);
        DrawGlyph(dc, &b, hit, IsZoomed(window));
    }
    ReleaseDC(window, dc);
}

static LRESULT OnNcCalcSize(HWND window, WPARAM wParam, LPARAM lParam)
{
    (void)window;
    (void)wParam;
    RECT *r = (RECT *)lParam; // the first rectangle of either form
    r->left += Skin.insets[SKIN_LEFT];
    r->top += Skin.insets[SKIN_TOP];
    r->right -= Skin.insets[SKIN_RIGHT];
    r->bottom -= Skin.insets[SKIN_BOTTOM];
    if (r->right < r->left) r->right = r->left;
    if (r->bottom < r->top) r->bottom = r->top;
    return 0;
}

static LRESULT OnNcHitTest(HWND window, DWORD_PTR flags, LPARAM lParam)
{
    RECT wr;
    GetWindowRect(window, &wr);
    POINT p = {(short)LOWORD(lParam) - wr.left, (short)HIWORD(lParam) - wr.top};
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    if (p.x < 0 || p.y < 0 || p.x >= w || p.y >= h) return HTNOWHERE;
    static const int hits[3] = {HTMINBUTTON, HTMAXBUTTON, HTCLOSE};
    for (int hit : hits) {
        RECT b = ButtonRect(window, flags, hit);
        if (PtInRect(&b, p)) return hit;
    }
    int zoomed = IsZoomed(window);
    int left = !zoomed && p.x < FRAME_GRIP, right = !zoomed && p.x >= w - FRAME_GRIP;
    int top = !zoomed && p.y < FRAME_GRIP, bottom = !zoomed && p.y >= h - FRAME_GRIP;
    if (top && left) return HTTOPLEFT;
    if (top && right) return HTTOPRIGHT;
    if (bottom && left) return HTBOTTOMLEFT;
    if (bottom && right) return HTBOTTOMRIGHT;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    if (top) return HTTOP;
    if (bottom) return HTBOTTOM;
    if (p.y < Skin.insets[SKIN_TOP]) return HTCAPTION;
    if (p.x < Skin.insets[SKIN_LEFT] || p.x >= w - Skin.insets[SKIN_RIGHT] ||
        p.y >= h - Skin.insets[SKIN_BOTTOM])
        return HTBORDER;
    return HTCLIENT;
}

// The button's action once it was pressed and released over itself.
static void RunButton(HWND window, int hit)
{
    if (hit == HTMINBUTTON) ShowWindow(window, SW_MINIMIZE);
    if (hit == HTMAXBUTTON) ShowWindow(window, IsZoomed(window) ? SW_RESTORE : SW_MAXIMIZE);
    if (hit == HTCLOSE) SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

static int IsButtonHit(WPARAM hit)
{
    return hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTCLOSE;
}

static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR flags)
{
    (void)id;
    switch (message) {
    case WM_NCCALCSIZE: return OnNcCalcSize(window, wParam, lParam);
    case WM_NCHITTEST: return OnNcHitTest(window, flags, lParam);
    case WM_NCPAINT: PaintFrame(window, flags); return 0;
    case WM_NCACTIVATE: PaintFrame(window, flags); return TRUE;
    case WM_SETTEXT: {
        // Default handling would draw the platform's caption over ours.
        LRESULT r = DefWindowProcA(window, message, wParam, lParam);
        PaintFrame(window, flags);
        return r;
    }
    case WM_NCLBUTTONDOWN:
        if (!IsButtonHit(wParam)) break;
        SetPropA(window, FRAME_PRESSED_PROP, (HANDLE)(INT_PTR)wParam);
        PaintFrame(window, flags);
        return 0;
    case WM_NCLBUTTONUP: {
        int pressed = (int)(INT_PTR)RemovePropA(window, FRAME_PRESSED_PROP);
        if (!IsButtonHit(wParam) && !pressed) break;
        PaintFrame(window, flags);
        if (pressed && (WPARAM)pressed == wParam) RunButton(window, pressed);
        return 0;
    }
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION && (flags & FRAME_HAS_MAX)) {
            RunButton(window, HTMAXBUTTON);
            return 0;
        }
        break;
    case WM_PAINT:
    case WM_WINDOWPOSCHANGED: {
        // Moves without repaint and the slide-in leave the frame unpainted otherwise.
        LRESULT r = DefSubclassProc(window, message, wParam, lParam);
        PaintFrame(window, flags);
        if (message == WM_WINDOWPOSCHANGED) RegionFollowMain(window);
        return r;
    }
    case WM_ERASEBKGND: {
        // The inner area is see-through: the region window or the engine's
        // visual behind it shows there.
        RECT c;
        GetClientRect(window, &c);
        FillColor((HDC)wParam, &c, SKIN_SEE_THROUGH);
        return 1;
    }
    case WM_SHOWWINDOW: RegionMainShown(window, (int)wParam); break;
    case WM_SIZE:
        RegionMainSized(window, (UINT)wParam);
        RedrawWindow(window, 0, 0, RDW_FRAME | RDW_INVALIDATE);
        break;
    case WM_ACTIVATE: RedrawWindow(window, 0, 0, RDW_FRAME | RDW_INVALIDATE); break;
    case WM_NCDESTROY:
        EndRegionWindow(window);
        RemovePropA(window, FRAME_PRESSED_PROP);
        RemoveWindowSubclass(window, FrameProc, FRAME_SUBCLASS_ID);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

extern "C" int WINAPI skSkinWindow(HWND window, const char *buttonLabels)
{
    if (!IsWindow(window) || !Skin.loaded) return 0;
    if (!SetWindowSubclass(window, FrameProc, FRAME_SUBCLASS_ID, ButtonsFromLabels(buttonLabels))) return 0;
    // The skin draws caption and frame itself; with the platform's caption and
    // sizing frame in the style, a window manager (Wine's X11 driver included)
    // would take that part of the window for its own decorations.
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    SetWindowLongPtrA(window, GWL_STYLE, style & ~(LONG_PTR)(WS_CAPTION | WS_THICKFRAME));
    SetWindowPos(window, 0, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    StartRegionWindow(window);
    return 1;
}
