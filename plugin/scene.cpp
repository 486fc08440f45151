// The spectrum scene drawn into the host's OpenGL context.
#include "scene.h"
#include "color_tables.h"
#include "textures.h"
#include "vortiq_state.h"
#include "../common/bounded_text.h"
#include <GL/gl.h>
#include <GL/glu.h>
#include <math.h>

static const char RESOURCE_FOLDER[] = "Vumoplugin\\";
static const char TEXTURE_FILE[] = "Texture\\Didudi.png";
static const double LEVEL_DIVISOR = 700.0;
static const double STEP_DIVISOR = 7.0;
static const double FIELD_OF_VIEW = 35.0;
static const float NEAR_PLANE = 0.1f; // widened to double as a float
static const double FAR_PLANE = 150.0;
static const int BAND_VALUES = 256;

long RoundHalfEven(double value)
{
    // the default rounding mode rounds halves to even
    return lrint(value);
}

double LoudnessStep(unsigned int level1, unsigned int level2)
{
    unsigned int a = (unsigned int)RoundHalfEven(level1 / LEVEL_DIVISOR);
    unsigned int b = (unsigned int)RoundHalfEven(level2 / LEVEL_DIVISOR);
    return (a > b ? a : b) / STEP_DIVISOR;
}

// The square root of a negative number is taken as the number itself.
static double RootOrSelf(double v)
{
    return v < 0 ? v : sqrt(v);
}

float BandLevel(float value)
{
    return (float)RootOrSelf(2.0 * RootOrSelf(value));
}

void ReadBandLevels(const PluginRecord *record, float levels[256])
{
    // a host may pass fewer values than 256: only indices up to its bound
    // are read, and no array at all is silence
    int last = record->spectrum ? record->spectrumBound : -1;
    if (last > BAND_VALUES - 1) last = BAND_VALUES - 1;
    for (int k = 0; k < BAND_VALUES; ++k)
        levels[k] = k <= last ? BandLevel(record->spectrum[k]) : 0.0f;
}

// The low eight bits of the rounded value, read as a two's-complement byte.
// Taken with fmod so that a level beyond the range of long (a host's stray
// huge value) still wraps as an integer would; NaN and infinity give 0.
static signed char ToGlByte(double v)
{
    double low = fmod(nearbyint(v), 256.0);
    if (!isfinite(low)) return 0;
    if (low < 0) low += 256.0;
    return (signed char)(unsigned char)(int)low;
}

void BandColor(int i, float level, signed char rgb[3])
{
    // crossed on purpose: red takes the blue factor and blue the red one
    rgb[0] = ToGlByte((double)level * BlueFactor[i] * 127);
    rgb[1] = ToGlByte((double)level * GreenFactor[i] * 127);
    rgb[2] = ToGlByte((double)level * RedFactor[i] * 255);
}

float BandHalfSize(float s)
{
    double c = cos(s / 10.0);
    return (float)(c * c * log2(s / 2.0) + s);
}

void OnCreate(const PluginRecord *record)
{
    ArgbBytes back = SplitArgb(record->backColor);
    glClearColor((back.red + 1) / 256.0f, (back.green + 1) / 256.0f, (back.blue + 1) / 256.0f,
                 (back.alpha + 1) / 256.0f);
    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDepthFunc(GL_LESS);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glAlphaFunc(GL_GREATER, 0.01f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    CopyText(TextureSlots[0].path, sizeof TextureSlots[0].path, RESOURCE_FOLDER);
    AppendText(TextureSlots[0].path, sizeof TextureSlots[0].path, TEXTURE_FILE);
    BuildTextures(1, TextureSlotCount);
    BuildColorRamp();
    BuildColorFactors();
}

void OnSize(const PluginRecord *record)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(record->window, &client);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    double aspect = client.bottom != 0 ? (double)client.right / client.bottom : 0.0;
    gluPerspective(FIELD_OF_VIEW, aspect, (double)NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
}

static void DrawBand(float z)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-z, 0, -z);
    glTexCoord2f(1, 0);
    glVertex3f(z, 0, -z);
    glTexCoord2f(1, 1);
    glVertex3f(z, 0, z);
    glTexCoord2f(0, 1);
    glVertex3f(-z, 0, z);
    glEnd();
}

void OnRender(const PluginRecord *record)
{
    double c = LoudnessStep(record->level1, record->level2);
    Rotation = (float)(Rotation + c);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(10, 11, 10, 0, 3, 0, 0, 1, 0);

    float levels[BAND_VALUES];
    ReadBandLevels(record, levels);
    bool silent = true;
    for (int k = 0; k < BAND_VALUES; ++k)
        if (levels[k] != 0) silent = false;
    if (silent) Rotation = 0;

    glBindTexture(GL_TEXTURE_2D, TextureSlotCount ? TextureSlots[0].texture : 0);
    glEnable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    const float step = 0.1f;
    int i = 0;
    for (float s = 1.0f; s <= 6.0f; s = s + step) {
        ++i;
        glPushMatrix();
        signed char rgb[3];
        BandColor(i, levels[i], rgb);
        glColor3b(rgb[0], rgb[1], rgb[2]);
        glTranslatef(s, s, s);
        glRotatef((float)((c + (double)s * Rotation) / 10), -10, 10, -10);
        DrawBand(BandHalfSize(s));
        glPopMatrix();
    }
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    wglMakeCurrent(record->deviceContext, record->renderContext);
}
