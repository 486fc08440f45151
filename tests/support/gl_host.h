// A hidden window with an OpenGL context current, as a plug-in host keeps one.
#pragma once
#include <windows.h>
#include <GL/gl.h>

struct GlHost {
    HWND window;
    HDC dc;
    HGLRC context;
};

inline LRESULT CALLBACK GlHostProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(w, m, wp, lp);
}

// Client area of width x height; 0 on any failure.
inline bool OpenGlHost(GlHost &host, int width, int height)
{
    host = GlHost();
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = GlHostProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "GLTESTHOST";
    RegisterClassA(&wc); // fails harmlessly when already registered
    host.window =
        CreateWindowExA(0, "GLTESTHOST", "", WS_POPUP, 0, 0, width, height, NULL, NULL, wc.hInstance, NULL);
    if (!host.window) return false;
    host.dc = GetDC(host.window);
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 24;
    int format = ChoosePixelFormat(host.dc, &pfd);
    if (!format || !SetPixelFormat(host.dc, format, &pfd)) return false;
    host.context = wglCreateContext(host.dc);
    if (!host.context || !wglMakeCurrent(host.dc, host.context)) return false;
    glViewport(0, 0, width, height);
    return true;
}

inline void CloseGlHost(GlHost &host)
{
    wglMakeCurrent(NULL, NULL);
    if (host.context) wglDeleteContext(host.context);
    if (host.dc) ReleaseDC(host.window, host.dc);
    if (host.window) DestroyWindow(host.window);
    host = GlHost();
}
