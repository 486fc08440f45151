// The image control "PICTORACTRL": registered when the library loads, so a
// caller can create it with its own instance handle (a global class).
#include "pictora_exports.h"

static HINSTANCE LibraryInstance;

static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

static void RegisterControlClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(0, IDC_ARROW);
    wc.lpszClassName = PICTORA_CLASS;
    RegisterClassA(&wc);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        LibraryInstance = instance;
        DisableThreadLibraryCalls(instance);
        RegisterControlClass(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterClassA(PICTORA_CLASS, instance);
    }
    return TRUE;
}

extern "C" HINSTANCE WINAPI zInstance()
{
    return LibraryInstance;
}
