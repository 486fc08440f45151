// The plug-in's module state: one copy per loaded library, all zero at load.
#pragma once
#include <windows.h>
#include <GL/gl.h>

const int TEXTURE_SLOT_COUNT = 1; // slots 1..1
const int COLOR_RAMP_SIZE = 33;   // ramp colours 1..33
const int BAND_TABLE_SIZE = 256;  // factor entries 0..255

struct TextureSlot {
    char path[MAX_PATH]; // image path, relative to the host folder
    GLuint texture;      // OpenGL texture name, 0 = none
};

// Slot k lives at TextureSlots[k - 1]; valid once TextureSlotCount is set by
// the first VumoProc call (written by the entry).
extern TextureSlot TextureSlots[TEXTURE_SLOT_COUNT];
extern int TextureSlotCount;

// Colour k at ColorRamp[k - 1], a COLORREF (written by PLUGIN_CREATE).
extern COLORREF ColorRamp[COLOR_RAMP_SIZE];
// Per-band colour factors (written by PLUGIN_CREATE).
extern float RedFactor[BAND_TABLE_SIZE];
extern float GreenFactor[BAND_TABLE_SIZE];
extern float BlueFactor[BAND_TABLE_SIZE];
// Accumulated rotation of the scene (written by PLUGIN_RENDER).
extern float Rotation;
