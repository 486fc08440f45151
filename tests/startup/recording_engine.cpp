// Orvane.exe for the start-up tests: records how it was started and every
// command it receives, in files beside itself, and ends on "DESTROY".
//   engine-start.txt     one line per start: command line, then "|" and the working folder
//   engine-commands.txt  one line per WM_SETTEXT text, in order
#include <windows.h>
#include <string.h>

static char LogFolder[MAX_PATH];

static void AppendLine(const char *file, const char *a, const char *b)
{
    char path[MAX_PATH * 2];
    lstrcpynA(path, LogFolder, MAX_PATH);
    lstrcatA(path, file);
    HANDLE h = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(h, a, (DWORD)strlen(a), &written, NULL);
    if (b) {
        WriteFile(h, "|", 1, &written, NULL);
        WriteFile(h, b, (DWORD)strlen(b), &written, NULL);
    }
    WriteFile(h, "\r\n", 2, &written, NULL);
    CloseHandle(h);
}

static LRESULT CALLBACK EngineProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_SETTEXT && lp) {
        const char *text = (const char *)lp;
        AppendLine("engine-commands.txt", text, NULL);
        if (strcmp(text, "DESTROY") == 0) {
            DestroyWindow(w);
            return TRUE;
        }
    }
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DWORD n = GetModuleFileNameA(NULL, LogFolder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    char *slash = strrchr(LogFolder, '\\');
    if (slash) slash[1] = 0;
    char working[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, working);
    AppendLine("engine-start.txt", GetCommandLineA(), working);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = EngineProc;
    wc.hInstance = instance;
    wc.lpszClassName = "ORVANEHOST";
    RegisterClassA(&wc);
    if (!CreateWindowExA(0, "ORVANEHOST", "ORVANEHOST", WS_POPUP, 0, 0, 10, 10, NULL, NULL, instance, NULL))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
