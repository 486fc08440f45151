// The head-up inner area and its region window. A skinned main window is
// layered with a colour key and its inner area is painted in that key, so
// that it shows whatever lies behind it; only the frame and the controls
// stay solid. Directly behind it in the Z order the skin keeps a companion
// window, the region window, which fills the inner area with the skin's
// background. The controller hides the region window while the engine's
// visual lies behind, and shows it again afterwards (skGetDWMregion).
#include <windows.h>

#include "common/window_order.h"
#include "region_window.h"
#include "skin.h"
#include "velvane_exports.h"

const char REGION_CLASS[] = "VelvaneRegionWindow";
const char REGION_PROP[] = "VelvaneRegionWindow";
const char REGION_RESTORE_PROP[] = "VelvaneRegionRestore"; // hidden by a minimise, shown on restore
const UINT REGION_FOLLOW = SWP_NOACTIVATE | SWP_NOOWNERZORDER;

static int KeepingInFront; // the main window's own re-ordering is under way: not followed

static LRESULT CALLBACK RegionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT c;
        GetClientRect(window, &c);
        HBRUSH b = CreateSolidBrush(Skin.controlColor);
        FillRect((HDC)wParam, &c, b);
        DeleteObject(b);
        return 1;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND RegionWindowOf(HWND main)
{
    HWND region = (HWND)GetPropA(main, REGION_PROP);
    return IsWindow(region) ? region : 0;
}

static RECT InnerArea(HWND main)
{
    RECT r = {};
    GetWindowRect(main, &r);
    r.left += Skin.insets[SKIN_LEFT];
    r.top += Skin.insets[SKIN_TOP];
    r.right -= Skin.insets[SKIN_RIGHT];
    r.bottom -= Skin.insets[SKIN_BOTTOM];
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

int StartRegionWindow(HWND main)
{
    if (RegionWindowOf(main)) return 1;
    WNDCLASSEXA wc;
    if (!GetClassInfoExA(SkinModule(), REGION_CLASS, &wc)) {
        ZeroMemory(&wc, sizeof wc);
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = RegionProc;
        wc.hInstance = SkinModule();
        wc.lpszClassName = REGION_CLASS;
        if (!RegisterClassExA(&wc)) return 0;
    }
    // not owned by the main window: an owned window always stays in front
    // of its owner, and this one must stay behind
    RECT r = InnerArea(main);
    HWND region =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, REGION_CLASS, 0, WS_POPUP | WS_DISABLED, r.left,
                        r.top, r.right - r.left, r.bottom - r.top, 0, 0, SkinModule(), 0);
    if (!region) return 0;
    SetWindowLongPtrA(region, GWLP_USERDATA, (LONG_PTR)main);
    SetPropA(main, REGION_PROP, region);
    // the inner area shows what lies behind it
    SetWindowLongPtrA(main, GWL_EXSTYLE, GetWindowLongPtrA(main, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(main, SKIN_SEE_THROUGH, 255, LWA_COLORKEY);
    if (IsWindowVisible(main)) {
        ShowWindow(region, SW_SHOWNOACTIVATE);
        // the following below is held back while the main window re-orders itself
        ++KeepingInFront;
        KeepInFront(main, region);
        --KeepingInFront;
    }
    return 1;
}

void RegionFollowMain(HWND main)
{
    HWND region = RegionWindowOf(main);
    if (!region || KeepingInFront) return;
    RECT r = InnerArea(main);
    SetWindowPos(region, main, r.left, r.top, r.right - r.left, r.bottom - r.top, REGION_FOLLOW);
}

static void ShowBehindMain(HWND main, HWND region)
{
    RegionFollowMain(main);
    ShowWindow(region, SW_SHOWNOACTIVATE);
}

void RegionMainShown(HWND main, int shown)
{
    HWND region = RegionWindowOf(main);
    if (!region) return;
    if (shown)
        ShowBehindMain(main, region);
    else
        ShowWindow(region, SW_HIDE);
}

void RegionMainSized(HWND main, UINT kind)
{
    HWND region = RegionWindowOf(main);
    if (!region) return;
    if (kind == SIZE_MINIMIZED) {
        if (IsWindowVisible(region)) {
            SetPropA(main, REGION_RESTORE_PROP, (HANDLE)1);
            ShowWindow(region, SW_HIDE);
        }
    } else if (RemovePropA(main, REGION_RESTORE_PROP)) {
        ShowBehindMain(main, region);
    }
}

void EndRegionWindow(HWND main)
{
    HWND region = RegionWindowOf(main);
    RemovePropA(main, REGION_PROP);
    RemovePropA(main, REGION_RESTORE_PROP);
    if (region) DestroyWindow(region);
}

extern "C" HWND WINAPI skGetDWMregion(HWND window)
{
    return IsWindow(window) ? RegionWindowOf(window) : 0;
}
