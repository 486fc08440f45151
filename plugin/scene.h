// The spectrum scene: OpenGL set-up, projection and one frame of 51 bands.
#pragma once
#include "plugin_record.h"

const int BAND_COUNT_DRAWN = 51; // bands 1..51, from the 0.1 step up to 6.0

void OnCreate(const PluginRecord *record);
void OnSize(const PluginRecord *record);
void OnRender(const PluginRecord *record);

// The pieces of a frame, kept apart so that their numbers can be checked.
// Nearest integer, halves to the even neighbour.
long RoundHalfEven(double value);
// Rotation step of a frame from the two levels.
double LoudnessStep(unsigned int level1, unsigned int level2);
// Band level from one spectrum value.
float BandLevel(float value);
// Fills levels[0..255] from the host's spectrum, reading only its valid part.
void ReadBandLevels(const PluginRecord *record, float levels[256]);
// Colour arguments of band i at band level L, as GLbytes.
void BandColor(int i, float level, signed char rgb[3]);
// Half-size of the square at loop value s.
float BandHalfSize(float s);
