// The band colour ramp and the per-band colour factors built from it.
#pragma once
#include <windows.h>

struct ArgbBytes {
    int alpha, red, green, blue;
};

void BuildColorRamp();
void BuildColorFactors();
// Ramp colour for band index i: ColorRamp[min(i + 1, 33)], 0 below the ramp.
COLORREF RampColor(int i);
ArgbBytes SplitArgb(unsigned int value);
