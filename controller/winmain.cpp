// Process entry: COM around the controller's main routine; the exit code is
// the routine's result, always 0.
#include "startup.h"
#include <objbase.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CoInitialize(NULL);
    int result = RunController(instance);
    CoUninitialize();
    return result;
}
