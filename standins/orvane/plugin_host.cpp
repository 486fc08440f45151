// Hosting a visual plug-in: its OpenGL context, the record and the calls.
#include "engine_state.h"
#include <GL/gl.h>
#include <string.h>

typedef int32_t(WINAPI *VumoProcFn)(PluginRecord *);

int SetUpOpenGL()
{
    Engine.deviceContext = GetDC(Engine.window);
    if (!Engine.deviceContext) return 0;
    PIXELFORMATDESCRIPTOR want = {};
    want.nSize = sizeof want;
    want.nVersion = 1;
    want.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    want.iPixelType = PFD_TYPE_RGBA;
    want.cColorBits = 24;
    want.cDepthBits = 16;
    want.iLayerType = PFD_MAIN_PLANE;
    int format = ChoosePixelFormat(Engine.deviceContext, &want);
    if (!format || !SetPixelFormat(Engine.deviceContext, format, &want)) return 0;
    Engine.renderContext = wglCreateContext(Engine.deviceContext);
    if (!Engine.renderContext) return 0;
    wglMakeCurrent(Engine.deviceContext, Engine.renderContext);
    return 1;
}

void TearDownOpenGL()
{
    wglMakeCurrent(0, 0);
    if (Engine.renderContext) wglDeleteContext(Engine.renderContext);
    if (Engine.deviceContext) ReleaseDC(Engine.window, Engine.deviceContext);
    Engine.renderContext = 0;
    Engine.deviceContext = 0;
}

// Every call goes out with the engine's context current and a fresh record
// header; the spectrum array is the engine's own.
static int32_t CallPlugin(int32_t message)
{
    if (!Engine.pluginProc) return -1;
    if (Engine.renderContext) wglMakeCurrent(Engine.deviceContext, Engine.renderContext);
    PluginRecord *r = &Engine.record;
    r->message = message;
    r->window = Engine.window;
    r->deviceContext = Engine.deviceContext;
    r->renderContext = Engine.renderContext;
    r->level1 = Engine.level1;
    r->level2 = Engine.level2;
    r->backColor = ENGINE_BACK_COLOR;
    r->spectrum = Engine.spectrum;
    r->spectrumBound = SPECTRUM_BOUND;
    return Engine.pluginProc(r);
}

void UnloadPlugin()
{
    if (!Engine.pluginModule) return;
    CallPlugin(PLUGIN_DESTROY);
    FreeLibrary(Engine.pluginModule);
    Engine.pluginModule = 0;
    Engine.pluginProc = 0;
    PublishDiagnostics();
}

void SwitchPlugin(const char *path)
{
    UnloadPlugin();
    if (!path || !path[0]) return;
    // no error boxes for a path that is not a library (a folder, say)
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(path);
    SetErrorMode(oldMode);
    if (!module) return;
    VumoProcFn proc = (VumoProcFn)(void *)GetProcAddress(module, "VumoProc");
    if (!proc) {
        FreeLibrary(module);
        return;
    }
    Engine.pluginModule = module;
    Engine.pluginProc = proc;
    memset(&Engine.record, 0, sizeof Engine.record);
    if (CallPlugin(PLUGIN_INFO) != 0) {
        // not a plug-in that answers the protocol
        FreeLibrary(module);
        Engine.pluginModule = 0;
        Engine.pluginProc = 0;
        return;
    }
    CallPlugin(PLUGIN_CREATE);
    CallPlugin(PLUGIN_SIZE);
    PublishDiagnostics();
}

void SizePlugin()
{
    CallPlugin(PLUGIN_SIZE);
}

// One frame: the viewport and the buffer swap are the host's part.
void RenderFrame()
{
    if (!Engine.renderContext) return;
    wglMakeCurrent(Engine.deviceContext, Engine.renderContext);
    RECT client;
    GetClientRect(Engine.window, &client);
    glViewport(0, 0, client.right, client.bottom);
    if (Engine.pluginProc) {
        CallPlugin(PLUGIN_RENDER);
        ++Engine.framesRendered;
    } else {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    SwapBuffers(Engine.deviceContext);
    PublishDiagnostics();
}
