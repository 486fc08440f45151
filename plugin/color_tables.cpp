// The colour ramp runs dark grey, blue to green, green to yellow, yellow
// through orange to red; bands take their colour from it by index.
#include "color_tables.h"
#include "vortiq_state.h"

static const unsigned char RAMP_RGB[COLOR_RAMP_SIZE][3] = {
    {32, 32, 32},  {0, 44, 233},   {0, 67, 210},   {0, 89, 187},   {0, 112, 164}, {0, 135, 142},
    {0, 159, 117}, {0, 183, 88},   {0, 207, 58},   {0, 231, 29},   {26, 234, 26}, {52, 237, 23},
    {79, 240, 20}, {105, 243, 17}, {126, 245, 14}, {147, 248, 11}, {168, 250, 8}, {189, 253, 5},
    {210, 255, 2}, {233, 255, 0},  {255, 255, 0},  {255, 251, 0},  {255, 235, 0}, {255, 215, 0},
    {255, 196, 0}, {255, 176, 0},  {255, 156, 0},  {253, 137, 0},  {255, 117, 0}, {255, 97, 0},
    {255, 78, 0},  {255, 58, 0},   {255, 0, 0},
};

void BuildColorRamp()
{
    for (int k = 0; k < COLOR_RAMP_SIZE; ++k)
        ColorRamp[k] = RAMP_RGB[k][0] + 256u * RAMP_RGB[k][1] + 65536u * RAMP_RGB[k][2];
}

COLORREF RampColor(int i)
{
    // i + 1 computed without overflow for the largest index
    long long index = (long long)i + 1;
    if (index < 1) return 0;
    if (index > COLOR_RAMP_SIZE) index = COLOR_RAMP_SIZE;
    return ColorRamp[index - 1];
}

void BuildColorFactors()
{
    for (int i = 0; i < BAND_TABLE_SIZE; ++i) {
        COLORREF c = RampColor(i);
        RedFactor[i] = (GetRValue(c) + 1) / 256.0f;
        GreenFactor[i] = (GetGValue(c) + 1) / 256.0f;
        BlueFactor[i] = (GetBValue(c) + 1) / 256.0f;
    }
}

ArgbBytes SplitArgb(unsigned int value)
{
    ArgbBytes b;
    b.alpha = (value >> 24) & 0xFF;
    b.red = (value >> 16) & 0xFF;
    b.green = (value >> 8) & 0xFF;
    b.blue = value & 0xFF;
    return b;
}
