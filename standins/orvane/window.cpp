// The engine window: the controller's command target and the visual's
// surface. The controller shows, hides, moves and orders it; the engine only
// draws into it and never changes its place or visibility itself, except
// that a close request hides it. Once shown, it keeps the controller (whose
// inner area is see-through) in front of it.
#include "engine_state.h"
#include <windowsx.h>
#include "common/window_order.h"

void PublishDiagnostics()
{
    HWND w = Engine.window;
    if (!w) return;
    unsigned level = Engine.level1 > Engine.level2 ? Engine.level1 : Engine.level2;
    SetWindowLongA(w, ENGINE_EXTRA_LEVEL, (LONG)level);
    SetWindowLongA(w, ENGINE_EXTRA_PEAK, Engine.playing ? StrongestBand(Engine.spectrum) + 1 : 0);
    SetWindowLongA(w, ENGINE_EXTRA_PLUGIN, Engine.pluginModule ? 1 : 0);
    SetWindowLongPtrA(w, GWLP_USERDATA, Engine.framesRendered);
}

// Tells the controller that the user ended the visual here.
void NotifyVisualOff()
{
    if (Engine.controller && IsWindow(Engine.controller))
        PostMessageA(Engine.controller, Engine.notifyMessage, ENGINE_NOTIFY_VISUAL_OFF, 0);
}

static BOOL OnCreate(HWND window, LPCREATESTRUCT)
{
    // the handle is needed before CreateWindowEx returns
    Engine.window = window;
    SetUpOpenGL();
    SetTimer(window, ENGINE_RENDER_TIMER, ENGINE_RENDER_PERIOD_MS, 0);
    return TRUE;
}

static void OnTimer(HWND window, UINT id)
{
    if (id != ENGINE_RENDER_TIMER) return;
    UpdateSpectrum();
    if (IsWindowVisible(window)) RenderFrame();
}

static void OnSize(HWND, UINT, int, int)
{
    SizePlugin();
}

static void OnKeyDown(HWND, UINT key, BOOL, int, UINT)
{
    if (key == VK_ESCAPE) NotifyVisualOff();
}

static void OnLButtonDblClk(HWND, BOOL, int, int, UINT)
{
    NotifyVisualOff();
}

static void OnClose(HWND window)
{
    // the controller owns the engine's life: a close only ends the visual
    ShowWindow(window, SW_HIDE);
    NotifyVisualOff();
}

static void OnWindowPosChanged(HWND window, const WINDOWPOS *pos)
{
    if (pos->flags & SWP_SHOWWINDOW) PostMessageA(window, WM_ENGINE_CONTROLLER_TO_FRONT, 0, 0);
}

static void KeepControllerInFront(HWND window)
{
    if (IsWindowVisible(window)) KeepInFront(Engine.controller, window);
}

static void OnDestroy(HWND window)
{
    KillTimer(window, ENGINE_RENDER_TIMER);
    UnloadPlugin();
    StopMusic();
    TearDownOpenGL();
    PostQuitMessage(0);
}

static LRESULT CALLBACK EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        // every text is a command; the title stays, so the window stays findable
        if (lParam) RunCommand((const char *)lParam);
        return TRUE;
    case WM_ERASEBKGND: return 1; // OpenGL paints the whole client area
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(window, (const WINDOWPOS *)lParam); break;
    case WM_ENGINE_CONTROLLER_TO_FRONT:
        KeepControllerInFront(window);
        return 0;
        HANDLE_MSG(window, WM_CREATE, OnCreate);
        HANDLE_MSG(window, WM_TIMER, OnTimer);
        HANDLE_MSG(window, WM_SIZE, OnSize);
        HANDLE_MSG(window, WM_KEYDOWN, OnKeyDown);
        HANDLE_MSG(window, WM_LBUTTONDBLCLK, OnLButtonDblClk);
        HANDLE_MSG(window, WM_CLOSE, OnClose);
        HANDLE_MSG(window, WM_DESTROY, OnDestroy);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int CreateEngineWindow(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_DBLCLKS;
    wc.lpfnWndProc = EngineWindowProc;
    wc.cbWndExtra = ENGINE_EXTRA_BYTES;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(0, (LPCSTR)IDC_ARROW);
    wc.lpszClassName = ENGINE_WINDOW_NAME;
    if (!RegisterClassExA(&wc)) return 0;
    // created hidden; the controller lays it over its own inner area
    HWND window =
        CreateWindowExA(WS_EX_TOOLWINDOW, ENGINE_WINDOW_NAME, ENGINE_WINDOW_NAME,
                        WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 320, 240, 0, 0, instance, 0);
    return window != 0;
}
