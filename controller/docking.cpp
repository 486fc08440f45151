// The engine window lies over the main window's inner area, just behind the
// controller (or its region window) in the Z order.
#include "docking.h"
#include "controller_state.h"
#include "engine_link.h"
#include "outside/velvane.h"

static const int PRE_PLACE_TOP = -2000; // above the screen, before showing
static const UINT BEHIND_ANCHOR = SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOACTIVATE;

static void OrderBehindAnchor(HWND engine)
{
    HWND anchor = skGetDWMregion(MainWindow);
    if (!anchor) anchor = MainWindow;
    // with no window behind the anchor, a null handle would mean HWND_TOP and
    // lift the engine window over the controller: it goes to the bottom then
    HWND after = GetWindow(anchor, GW_HWNDNEXT);
    if (!after) after = HWND_BOTTOM;
    SetWindowPos(engine, after, 0, 0, 0, 0, BEHIND_ANCHOR);
}

void DockEngineWindow()
{
    RECT r = {};
    GetWindowRect(MainWindow, &r);
    int x = r.left + skGetSystemMetrics(SK_INSET_LEFT);
    int y = r.top + skGetSystemMetrics(SK_INSET_TOP);
    int width = r.right - skGetSystemMetrics(SK_INSET_RIGHT) - x;
    int height = r.bottom - skGetSystemMetrics(SK_INSET_BOTTOM) - y;
    HWND engine = FindEngineWindow();
    OrderBehindAnchor(engine);
    MoveWindow(engine, x, y, width, height, FALSE);
}

void ShowVisual(const char *path)
{
    RECT r = {};
    GetWindowRect(MainWindow, &r);
    int x = r.left + skGetSystemMetrics(SK_INSET_LEFT);
    int width = r.right - skGetSystemMetrics(SK_INSET_RIGHT) - x;
    int height = r.bottom - skGetSystemMetrics(SK_INSET_BOTTOM) - PRE_PLACE_TOP;
    HWND engine = FindEngineWindow();
    OrderBehindAnchor(engine);
    MoveWindow(engine, x, PRE_PLACE_TOP, width, height, FALSE);
    DockEngineWindow();
    SendPlay(path);
    ShowWindow(engine, SW_SHOW);
}

void HideVisual()
{
    ShowWindow(FindEngineWindow(), SW_HIDE);
    SendStop();
}
