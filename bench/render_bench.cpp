// Times Vortiq as its host runs it: PLUGIN_RENDER at 800 x 600 against a bare
// host frame (glClear only), and PLUGIN_CREATE with the shipped texture and
// with a 4000 x 3000 picture. Prints figures; asserts nothing.
//   vortiq_bench [frames [width height]]
#include <windows.h>
#include <algorithm>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>
#include "gl_host.h"
#include "picture_files.h"
#include "plugin_host.h"

static double Now()
{
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / frequency.QuadPart;
}

// CPU time of the whole process (all threads: Mesa rasterizes on worker
// threads) in milliseconds. Wine counts it in clock ticks, so one short call
// reads as 0 or one tick; the batch mean is the finer figure.
static double CpuNow()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k, u;
    k.LowPart = kernel.dwLowDateTime;
    k.HighPart = kernel.dwHighDateTime;
    u.LowPart = user.dwLowDateTime;
    u.HighPart = user.dwHighDateTime;
    return (double)(k.QuadPart + u.QuadPart) / 10000.0;
}

static double Mean(const std::vector<double> &ms)
{
    double sum = 0;
    for (double v : ms)
        sum += v;
    return ms.empty() ? 0 : sum / ms.size();
}

static void Report(const char *what, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2], p95 = ms[(size_t)(ms.size() * 0.95)];
    printf("%-44s median %8.3f ms   p95 %8.3f ms   (%zu runs)\n", what, median, p95, ms.size());
}

// A spectrum that moves like music: a few drifting peaks over a floor.
static void VariedSpectrum(float spectrum[256], int frame, PluginRecord &record)
{
    for (int k = 0; k < 256; ++k) {
        double peak = exp(-pow((k - 25 - 20 * sin(frame * 0.05)) / 6.0, 2));
        spectrum[k] = (float)(0.02 + 0.5 * peak * (0.6 + 0.4 * sin(frame * 0.3 + k)));
    }
    record.level1 = (uint16_t)(20000 + 15000 * sin(frame * 0.1));
    record.level2 = (uint16_t)(18000 + 12000 * cos(frame * 0.07));
}

static std::string HostTexture()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.rfind('\\') + 1) + "Vumoplugin\\Texture\\Didudi.png";
}

static double TimeCreate(const LoadedPlugin &plugin, PluginRecord &record, int runs)
{
    std::vector<double> ms;
    for (int k = 0; k < runs; ++k) {
        double t = Now();
        SendPluginMessage(plugin, &record, PLUGIN_CREATE);
        glFinish();
        ms.push_back((Now() - t) * 1000);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

int main(int argc, char **argv)
{
    int frames = argc > 1 ? atoi(argv[1]) : 30;
    int width = argc > 3 ? atoi(argv[2]) : 800, height = argc > 3 ? atoi(argv[3]) : 600;
    GdiplusSession gdiplus = StartGdiplus();
    GlHost host;
    if (!OpenGlHost(host, width, height)) {
        printf("no OpenGL context\n");
        return 1;
    }
    ShowWindow(host.window, SW_SHOWNOACTIVATE);
    printf("renderer: %s\n", (const char *)glGetString(GL_RENDERER));
    LoadedPlugin plugin = LoadPlugin();
    if (!plugin.proc) {
        printf("Vortiq.dll not loaded\n");
        return 1;
    }
    static float spectrum[256];
    PluginRecord record = {};
    record.window = host.window;
    record.deviceContext = host.dc;
    record.renderContext = host.context;
    record.backColor = 0xFF000000;
    record.spectrum = spectrum;
    record.spectrumBound = 255;

    // the shipped texture, copied beside this host program
    std::string texture = HostTexture();
    CreateDirectoryA(texture.substr(0, texture.rfind("\\Texture")).c_str(), NULL);
    CreateDirectoryA(texture.substr(0, texture.rfind('\\')).c_str(), NULL);
    CopyFileA(StagePath("VumoPlugin\\Texture\\Didudi.png").c_str(), texture.c_str(), FALSE);
    double shipped = TimeCreate(plugin, record, 5);
    SendPluginMessage(plugin, &record, PLUGIN_SIZE);

    std::vector<double> withFinish, withoutFinish, bare, cpuWithFinish, cpuWithoutFinish, cpuBare;
    for (int f = 0; f < frames; ++f) {
        VariedSpectrum(spectrum, f, record);
        double c = CpuNow(), t = Now();
        SendPluginMessage(plugin, &record, PLUGIN_RENDER);
        double issued = Now(), cpuIssued = CpuNow();
        glFinish();
        double finished = Now(), cpuFinished = CpuNow();
        withoutFinish.push_back((issued - t) * 1000);
        withFinish.push_back((finished - t) * 1000);
        cpuWithoutFinish.push_back(cpuIssued - c);
        cpuWithFinish.push_back(cpuFinished - c);
    }
    for (int f = 0; f < frames; ++f) {
        double c = CpuNow(), t = Now();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
        bare.push_back((Now() - t) * 1000);
        cpuBare.push_back(CpuNow() - c);
    }
    printf("frames of %d x %d, wall time of one call on the host thread:\n", width, height);
    Report("PLUGIN_RENDER with glFinish", withFinish);
    Report("PLUGIN_RENDER without glFinish", withoutFinish);
    Report("bare host frame (glClear + glFinish)", bare);
    printf("process CPU time of one call (all threads), ticks of the system clock:\n");
    Report("PLUGIN_RENDER with glFinish", cpuWithFinish);
    Report("PLUGIN_RENDER without glFinish", cpuWithoutFinish);
    Report("bare host frame (glClear + glFinish)", cpuBare);
    printf("process CPU time, mean over the batch: render with glFinish %.3f ms, without %.3f ms, bare %.3f "
           "ms\n",
           Mean(cpuWithFinish), Mean(cpuWithoutFinish), Mean(cpuBare));
    std::sort(withFinish.begin(), withFinish.end());
    std::sort(bare.begin(), bare.end());
    printf("render / bare frame (wall medians): %.2f\n",
           withFinish[withFinish.size() / 2] / bare[bare.size() / 2]);
    if (Mean(cpuBare) > 0)
        printf("render / bare frame (CPU means): %.2f\n", Mean(cpuWithFinish) / Mean(cpuBare));

    WritePicture(texture, 4000, 3000,
                 [](int x, int y) { return 0xFF000000u | ((x & 0xFF) << 16) | (y & 0xFF); });
    double large = TimeCreate(plugin, record, 3);
    printf("PLUGIN_CREATE, shipped texture                median %8.3f ms\n", shipped);
    printf("PLUGIN_CREATE, 4000 x 3000 picture            median %8.3f ms\n", large);
    DeleteFileA(texture.c_str());

    SendPluginMessage(plugin, &record, PLUGIN_DESTROY);
    UnloadPlugin(plugin);
    CloseGlHost(host);
    StopGdiplus(gdiplus);
    return 0;
}
