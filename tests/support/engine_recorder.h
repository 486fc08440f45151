// A stand-in engine window inside the test process: class and title
// "ORVANEHOST", hidden, recording every WM_SETTEXT text in order.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

inline std::vector<std::string> &EngineCommands()
{
    static std::vector<std::string> commands;
    return commands;
}

inline LRESULT CALLBACK EngineRecorderProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_SETTEXT && lp) EngineCommands().push_back((const char *)lp);
    return DefWindowProcA(w, m, wp, lp);
}

inline HWND OpenEngineRecorder()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = EngineRecorderProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ORVANEHOST";
    RegisterClassA(&wc);
    EngineCommands().clear();
    return CreateWindowExA(0, "ORVANEHOST", "ORVANEHOST", WS_POPUP, 0, 0, 10, 10, NULL, NULL, wc.hInstance,
                           NULL);
}
