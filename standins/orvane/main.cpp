// Orvane.exe, the project's own stand-in for the engine: started with the
// plug-in's full path (unquoted, spaces allowed) as its command line.
#include "engine_state.h"
#include "common/bounded_text.h"
#include "common/gdiplus_include.h"

EngineState Engine;

// The text after the program name, without the blanks around it.
static void ReadPluginPath(char *path, size_t cap)
{
    const char *p = GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    size_t n = CopyText(path, cap, p);
    while (n > 0 && (path[n - 1] == ' ' || path[n - 1] == '\t'))
        path[--n] = 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    Engine.instance = instance;
    Engine.notifyMessage = RegisterWindowMessageA(ENGINE_NOTIFY_NAME);
    // plug-ins decode their pictures with GDI+ and expect the host to run it
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&Engine.gdiplusToken, &input, 0);
    if (CreateEngineWindow(instance)) {
        char path[ENGINE_PATH_SIZE];
        ReadPluginPath(path, sizeof path);
        SwitchPlugin(path);
        MSG msg;
        while (GetMessageA(&msg, 0, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    Gdiplus::GdiplusShutdown(Engine.gdiplusToken);
    return 0;
}
