// The record a host hands to VumoProc, and the message codes. The host owns
// the record; the layout is a binary contract with 32-bit hosts.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>

enum PluginMessage : int32_t {
    PLUGIN_RENDER = 1,
    PLUGIN_INFO = 2,
    PLUGIN_CREATE = 3,
    PLUGIN_SIZE = 4,
    PLUGIN_DESTROY = 7,
};

// Range of codes that the plug-in accepts (5 and 6 do nothing).
const int32_t PLUGIN_FIRST_CODE = 1;
const int32_t PLUGIN_LAST_CODE = 7;

const size_t PLUGIN_NAME_SIZE = 32;
const size_t PLUGIN_AUTHOR_SIZE = 64;

struct PluginRecord {
    int32_t message;                 // host to plug-in: message code
    HWND window;                     // host's drawing window
    HDC deviceContext;               // device context of that window
    HGLRC renderContext;             // host's OpenGL rendering context
    uint16_t level1;                 // audio level
    uint16_t level2;                 // audio level, treated like level1
    char name[PLUGIN_NAME_SIZE];     // plug-in to host: display name
    char author[PLUGIN_AUTHOR_SIZE]; // plug-in to host: author text
    int32_t infoValue1;              // plug-in to host: 1
    int32_t infoValue2;              // plug-in to host: 1
    uint32_t backColor;              // host to plug-in: ARGB background colour
    const float *spectrum;           // host's spectrum array
    uint16_t spectrumBound;          // highest valid index of spectrum
};

static_assert(sizeof(void *) == 4, "the plug-in is a 32-bit library");
static_assert(offsetof(PluginRecord, message) == 0, "message at 0");
static_assert(offsetof(PluginRecord, window) == 4, "window at 4");
static_assert(offsetof(PluginRecord, deviceContext) == 8, "deviceContext at 8");
static_assert(offsetof(PluginRecord, renderContext) == 12, "renderContext at 12");
static_assert(offsetof(PluginRecord, level1) == 16, "level1 at 16");
static_assert(offsetof(PluginRecord, level2) == 18, "level2 at 18");
static_assert(offsetof(PluginRecord, name) == 20, "name at 20");
static_assert(offsetof(PluginRecord, author) == 52, "author at 52");
static_assert(offsetof(PluginRecord, infoValue1) == 116, "infoValue1 at 116");
static_assert(offsetof(PluginRecord, infoValue2) == 120, "infoValue2 at 120");
static_assert(offsetof(PluginRecord, backColor) == 124, "backColor at 124");
static_assert(offsetof(PluginRecord, spectrum) == 128, "spectrum at 128");
static_assert(offsetof(PluginRecord, spectrumBound) == 132, "spectrumBound at 132");
