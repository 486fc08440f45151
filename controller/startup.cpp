// Start-up: one running copy, the hidden main window, the skin, the
// controls, the engine started with the selected plug-in, the slide into
// view and the message loop.
#include "startup.h"
#include "controller_state.h"
#include "layout.h"
#include "window_proc.h"
#include "outside/velvane.h"
#include "../common/bounded_text.h"
#include <shellapi.h>
#include <wchar.h>

static const char INSTANCE_NAME[16] = "TESSAROMAIN";
static const char WINDOW_TITLE[] = "Tessaro";
static const char SKIN_FILE[] = "Corvel.sks";
static const char CAPTION_BUTTONS[] = "Dock|Undock|Minimize|Maximize|Restore|Close";
static const char NOTIFY_NAME[] = "Orvanenotification";
static const DWORD MAIN_STYLE = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU |
                                WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
static const int MAIN_WIDTH = 800, MAIN_HEIGHT = 614;
static const int HIDDEN_TOP = -2000;
static const int SLIDE_STEP = 8;
static const UINT SLIDE_REDRAW = RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN |
                                 RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME;
// A second copy waits this long for the first one's window, then gives up.
static const int INSTANCE_POLL_MS = 10;
static const int INSTANCE_POLLS = 3000;

static int Centre(int screen, int size)
{
    int edge = (screen - size) / 2;
    return edge > 0 ? edge : 0;
}

// Brings the running copy to the front; false when its window never came.
static bool ActivateFirstInstance()
{
    for (int poll = 0; poll < INSTANCE_POLLS; ++poll) {
        HWND first = FindWindowA(INSTANCE_NAME, NULL);
        if (first) {
            if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
            SetForegroundWindow(first);
            return true;
        }
        MSG discarded;
        while (PeekMessageA(&discarded, NULL, 0, 0, PM_REMOVE)) {
        }
        Sleep(INSTANCE_POLL_MS);
    }
    return false;
}

static bool RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(instance, INSTANCE_NAME, &wc)) return true;
    wc = WNDCLASSEXA();
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.lpszClassName = INSTANCE_NAME;
    return RegisterClassExA(&wc) != 0;
}

// Program folder + name, joined as UTF-16 and handed on as ANSI text.
static void ProgramPath(const WCHAR *folder, const WCHAR *name, char *out, size_t size)
{
    WCHAR joined[MAX_PATH * 2] = {};
    wcsncpy(joined, folder, MAX_PATH);
    wcsncat(joined, name, MAX_PATH - 1);
    out[0] = 0;
    if (!WideCharToMultiByte(CP_ACP, 0, joined, -1, out, (int)size, NULL, NULL)) out[size - 1] = 0;
}

static void StartEngine(const WCHAR *folder)
{
    char plugin[TEXT_SIZE] = {};
    HWND list = GetDlgItem(MainWindow, IDC_PLUGIN_LIST);
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (length >= 0 && length < TEXT_SIZE) SendMessageA(list, CB_GETLBTEXT, (WPARAM)index, (LPARAM)plugin);
    char program[TEXT_SIZE], parameters[TEXT_SIZE], working[TEXT_SIZE];
    ProgramPath(folder, L"Orvane.exe", program, sizeof program);
    CopyText(parameters, sizeof parameters, PluginFolder);
    AppendText(parameters, sizeof parameters, plugin);
    ProgramPath(folder, L"", working, sizeof working);
    ShellExecuteA(NULL, "open", program, parameters, working, SW_SHOWNOACTIVATE);
}

static void SlideIn()
{
    ShowWindow(MainWindow, SW_SHOW);
    RECT r = {};
    GetWindowRect(MainWindow, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    int x = Centre(screenW, MAIN_WIDTH), y = Centre(screenH, MAIN_HEIGHT);
    ShowWindow(ImageControl, SW_HIDE);
    for (int top = -MAIN_HEIGHT; top <= -1; top += SLIDE_STEP)
        MoveWindow(MainWindow, x, top, MAIN_WIDTH, MAIN_HEIGHT, FALSE);
    for (int top = 0; top <= y; top += SLIDE_STEP) {
        MoveWindow(MainWindow, x, top, MAIN_WIDTH, MAIN_HEIGHT, FALSE);
        RedrawWindow(MainWindow, NULL, NULL, SLIDE_REDRAW);
    }
    MoveWindow(MainWindow, Centre(screenW, w), Centre(screenH, h), w, h, FALSE);
    ShowWindow(ImageControl, SW_SHOW);
}

static void MessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

static void Run(HINSTANCE instance)
{
    if (!RegisterMainClass(instance)) return;
    int left = Centre(GetSystemMetrics(SM_CXSCREEN), MAIN_WIDTH);
    HWND window = CreateWindowExA(0, INSTANCE_NAME, WINDOW_TITLE, MAIN_STYLE, left, HIDDEN_TOP, MAIN_WIDTH,
                                  MAIN_HEIGHT, NULL, NULL, instance, NULL);
    if (!window) return;
    MainWindow = window;
    EngineNotifyMessage = RegisterWindowMessageA(NOTIFY_NAME);
    CreatePanelControls(instance);

    WCHAR folder[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(NULL, folder, MAX_PATH);
    if (n >= MAX_PATH) n = MAX_PATH - 1;
    folder[n] = 0;
    WCHAR *slash = wcsrchr(folder, L'\\');
    if (slash) slash[1] = 0;
    char resources[TEXT_SIZE];
    ProgramPath(folder, L"Resource\\", resources, sizeof resources);
    ProgramPath(folder, L"Audio\\", AudioFolder, sizeof AudioFolder);
    ProgramPath(folder, L"VumoPlugin\\", PluginFolder, sizeof PluginFolder);

    if (!skInitEngine(SKIN_FILE, NULL)) return;
    skSkinWindow(MainWindow, CAPTION_BUTTONS);
    CreateListControls();
    StartEngine(folder);
    CreateWidgets(resources);
    SlideIn();
    MessageLoop();
}

int RunController(HINSTANCE instance)
{
    HANDLE mutex = CreateMutexA(NULL, FALSE, INSTANCE_NAME);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        ActivateFirstInstance();
        return 0;
    }
    Run(instance);
    if (mutex) CloseHandle(mutex);
    return 0;
}
