// The stand-in engine's module state and its operations, one file per task.
//
// Read-only diagnostics for tests (the controller never reads them):
//   GWLP_USERDATA of the engine window   frames the plug-in has rendered
//   window extra bytes at ENGINE_EXTRA_LEVEL   the louder of the two levels now (0..65535)
//   window extra bytes at ENGINE_EXTRA_PEAK    strongest spectrum band + 1, 0 for silence
//   window extra bytes at ENGINE_EXTRA_PLUGIN  1 while a plug-in is loaded and answered PLUGIN_INFO
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <stdint.h>
#include "plugin/plugin_record.h"

// Class name and title of the engine window; the controller finds it by both.
const char ENGINE_WINDOW_NAME[16] = "ORVANEHOST";
const char ENGINE_NOTIFY_NAME[] = "Orvanenotification";
// wParam of the notification: the user ended the visual in the engine window.
const WPARAM ENGINE_NOTIFY_VISUAL_OFF = (WPARAM)-80;

const size_t ENGINE_COMMAND_SIZE = 512;
const size_t ENGINE_PATH_SIZE = 260 * 2;

const UINT_PTR ENGINE_RENDER_TIMER = 1;
const UINT ENGINE_RENDER_PERIOD_MS = 30;
const UINT WM_ENGINE_CONTROLLER_TO_FRONT = WM_APP + 1; // posted once the window was shown
const uint32_t ENGINE_BACK_COLOR = 0xFF000000;

const int ENGINE_EXTRA_LEVEL = 0;
const int ENGINE_EXTRA_PEAK = 4;
const int ENGINE_EXTRA_PLUGIN = 8;
const int ENGINE_EXTRA_BYTES = 12;

// Spectrum: 256 bands from a 512-point transform of the mono mix.
const int SPECTRUM_BANDS = 256;
const int SPECTRUM_POINTS = 512;
const uint16_t SPECTRUM_BOUND = SPECTRUM_BANDS - 1;
const unsigned LEVEL_MAX = 65535;

// Decoded music: 16-bit interleaved PCM in memory.
struct DecodedMusic {
    int16_t *samples; // frames * channels values, 0 when nothing is loaded
    uint32_t frames;
    uint32_t rate;
    uint16_t channels;
};

// Longest piece decoded, so that a huge file cannot exhaust memory.
const uint32_t MUSIC_MAX_SECONDS = 15 * 60;

struct EngineState {
    HINSTANCE instance;
    HWND window;
    HDC deviceContext;
    HGLRC renderContext;
    HWND controller;        // learnt from "PARENT,", 0 before
    UINT notifyMessage;     // "Orvanenotification"
    ULONG_PTR gdiplusToken; // GDI+ runs for the whole life of the engine
    HMODULE pluginModule;   // 0 when no plug-in is loaded
    int32_t(WINAPI *pluginProc)(PluginRecord *);
    PluginRecord record;
    float spectrum[SPECTRUM_BANDS];
    uint16_t level1, level2;
    DecodedMusic music;
    DWORD playStart; // GetTickCount at "PLAY,"
    int playing;
    HWAVEOUT waveOut; // 0 when there is no sound device
    WAVEHDR waveHeader;
    LONG_PTR framesRendered;
};

extern EngineState Engine;

// window.cpp
int CreateEngineWindow(HINSTANCE instance);
void NotifyVisualOff();
void PublishDiagnostics();

// commands.cpp
void RunCommand(const char *text);
int ParseParentHandle(const char *args, uint32_t *handle);

// plugin_host.cpp
int SetUpOpenGL();
void TearDownOpenGL();
void SwitchPlugin(const char *path);
void UnloadPlugin();
void SizePlugin();
void RenderFrame();

// decoder.cpp
int DecodeMusicFile(const char *path, DecodedMusic *music);
int DecodeWaveFile(const char *path, DecodedMusic *music);
int DecodeMp3File(const char *path, DecodedMusic *music);
void FreeMusic(DecodedMusic *music);
struct Mp3Header {
    uint32_t rate;
    uint16_t channels;
    uint32_t bitrate;    // bits per second
    uint32_t frameBytes; // length of this frame, header included
};
int ParseMp3Header(const unsigned char *bytes, Mp3Header *header);

// playback.cpp
void StartMusic(const char *path);
void StopMusic();
void UpdateSpectrum();

// frequency_bands.cpp
void ComputeSpectrum(const DecodedMusic *music, uint32_t frame, float spectrum[SPECTRUM_BANDS],
                     uint16_t *level1, uint16_t *level2);
int StrongestBand(const float spectrum[SPECTRUM_BANDS]);
