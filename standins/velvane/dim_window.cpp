// skCreateDW and skDestroyDW: a dimming window laid over the owner while a
// modal dialog is up.
#include <windows.h>

#include "skin.h"
#include "velvane_exports.h"

const char DIM_CLASS[] = "VelvaneDimWindow";
const BYTE DIM_ALPHA = 110;

static int IsDimWindow(HWND w)
{
    char cls[32] = {0};
    return IsWindow(w) && GetClassNameA(w, cls, sizeof cls) && lstrcmpA(cls, DIM_CLASS) == 0;
}

extern "C" {
int WINAPI skCreateDW(HWND window)
{
    if (!IsWindow(window) || IsIconic(window)) return 0;
    WNDCLASSEXA wc;
    if (!GetClassInfoExA(SkinModule(), DIM_CLASS, &wc)) {
        ZeroMemory(&wc, sizeof wc);
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = SkinModule();
        wc.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
        wc.lpszClassName = DIM_CLASS;
        if (!RegisterClassExA(&wc)) return 0;
    }
    RECT r;
    GetWindowRect(window, &r);
    HWND dim = CreateWindowExA(WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, DIM_CLASS, 0, WS_POPUP,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, window, 0, SkinModule(), 0);
    if (!dim) return 0;
    SetLayeredWindowAttributes(dim, 0, DIM_ALPHA, LWA_ALPHA);
    ShowWindow(dim, SW_SHOWNOACTIVATE);
    UpdateWindow(dim);
    return (int)(INT_PTR)dim;
}

int WINAPI skDestroyDW(int *dw)
{
    if (!dw) return 0;
    HWND dim = (HWND)(INT_PTR)*dw;
    *dw = 0;
    if (!IsDimWindow(dim)) return 0;
    DestroyWindow(dim);
    return 1;
}
}
