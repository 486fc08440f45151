// The scene as a host sees it: OpenGL state, projection, and the bands one
// frame feeds back.
#include <gtest/gtest.h>
#include <GL/glu.h>
#include <math.h>
#include <vector>
#include "gl_host.h"
#include "picture_files.h"
#include "plugin_host.h"

static float HalfSize(float s)
{
    double c = cos(s / 10.0);
    return (float)(c * c * log2(s / 2.0) + s);
}

const int WIDTH = 800, HEIGHT = 600;

class Scene : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        gdiplus = StartGdiplus();
        ASSERT_TRUE(OpenGlHost(host, WIDTH, HEIGHT)) << "no OpenGL context";
        plugin = LoadPlugin();
        ASSERT_NE(plugin.proc, nullptr);
        record = PluginRecord();
        record.window = host.window;
        record.deviceContext = host.dc;
        record.renderContext = host.context;
        record.backColor = 0xFF000000;
        record.spectrum = spectrum;
        record.spectrumBound = 255;
        for (float &v : spectrum)
            v = 0.0f;
    }
    void TearDown() override
    {
        SendPluginMessage(plugin, &record, PLUGIN_DESTROY);
        UnloadPlugin(plugin);
        CloseGlHost(host);
        StopGdiplus(gdiplus);
    }
    void Send(int32_t code) { ASSERT_EQ(SendPluginMessage(plugin, &record, code), 0); }

    GdiplusSession gdiplus;
    GlHost host;
    LoadedPlugin plugin;
    PluginRecord record;
    float spectrum[256];
};

TEST_F(Scene, CreateSetsTheDrawingState)
{
    struct Case {
        uint32_t backColor;
        float clear[4];
    };
    const Case cases[] = {{0xFF000000, {1 / 256.f, 1 / 256.f, 1 / 256.f, 1.f}},
                          {0xFFFFFFFF, {1.f, 1.f, 1.f, 1.f}},
                          {0x7F102030, {0x11 / 256.f, 0x21 / 256.f, 0x31 / 256.f, 0x80 / 256.f}}};
    for (const Case &c : cases) {
        record.backColor = c.backColor;
        Send(PLUGIN_CREATE);
        float clear[4];
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(clear[k], c.clear[k], 1e-6) << std::hex << c.backColor;
    }
    GLint v = 0;
    glGetIntegerv(GL_BLEND_SRC, &v);
    EXPECT_EQ(v, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &v);
    EXPECT_EQ(v, GL_ONE);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &v);
    EXPECT_EQ(v, GL_GREATER);
    float ref = 0;
    glGetFloatv(GL_ALPHA_TEST_REF, &ref);
    EXPECT_NEAR(ref, 0.01f, 1e-6);
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &v);
    EXPECT_EQ(v, GL_NICEST);
    glGetIntegerv(GL_SHADE_MODEL, &v);
    EXPECT_EQ(v, GL_SMOOTH);
    glGetIntegerv(GL_DEPTH_FUNC, &v);
    EXPECT_EQ(v, GL_LESS);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
}

static void ProjectionOf(double aspect, double m[16])
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(35.0, aspect, (double)0.1f, 150.0);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

TEST_F(Scene, SizeSetsThePerspectiveOfTheClientArea)
{
    struct Case {
        int height;
        double aspect;
    };
    const Case cases[] = {{HEIGHT, 800.0 / 600.0}, {0, 0.0}};
    for (const Case &c : cases) {
        SetWindowPos(host.window, NULL, 0, 0, WIDTH, c.height, SWP_NOMOVE | SWP_NOZORDER);
        RECT client;
        GetClientRect(host.window, &client);
        ASSERT_EQ(client.bottom, c.height);
        Send(PLUGIN_SIZE);
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        double got[16], expected[16];
        glGetDoublev(GL_PROJECTION_MATRIX, got);
        ProjectionOf(c.aspect, expected);
        for (int k = 0; k < 16; ++k) {
            if (isinf(expected[k]) || isnan(expected[k])) {
                EXPECT_EQ(isinf(got[k]), isinf(expected[k])) << "height " << c.height << " [" << k << "]";
            } else {
                EXPECT_NEAR(got[k], expected[k], 1e-5) << "height " << c.height << " [" << k << "]";
            }
        }
    }
}

// One band as fed back: the vertices of its pieces in window coordinates
// and its colour. OpenGL may feed a quad back as triangles, and clipping may
// cut it further, so consecutive pieces of one colour form one band; the
// test gives neighbouring bands different levels so that colours differ.
struct FedBackBand {
    std::vector<float> xyz; // 3 per vertex
    float rgba[4];
    int polygons; // pieces OpenGL fed back for it
};

static std::vector<FedBackBand> RenderFeedback(const LoadedPlugin &plugin, PluginRecord *record)
{
    static GLfloat buffer[1 << 16];
    glFeedbackBuffer(sizeof buffer / sizeof buffer[0], GL_3D_COLOR, buffer);
    glRenderMode(GL_FEEDBACK);
    SendPluginMessage(plugin, record, PLUGIN_RENDER);
    GLint n = glRenderMode(GL_RENDER);
    std::vector<FedBackBand> bands;
    for (GLint k = 0; k < n;) {
        if ((GLint)buffer[k] != GL_POLYGON_TOKEN) break;
        int count = (int)buffer[k + 1];
        k += 2;
        FedBackBand piece;
        piece.polygons = 1;
        for (int v = 0; v < count; ++v, k += 7) {
            piece.xyz.insert(piece.xyz.end(), buffer + k, buffer + k + 3);
            for (int c = 0; c < 4; ++c)
                piece.rgba[c] = buffer[k + 3 + c];
        }
        if (!bands.empty() && memcmp(bands.back().rgba, piece.rgba, sizeof piece.rgba) == 0) {
            bands.back().xyz.insert(bands.back().xyz.end(), piece.xyz.begin(), piece.xyz.end());
            bands.back().polygons++;
        } else
            bands.push_back(piece);
    }
    return bands;
}

// Band levels that differ from band to band, so that every band has a
// colour of its own: band i gets level 0.05 + 0.008 i, low enough that no
// colour byte wraps to a negative one (which OpenGL clamps to 0).
static void DistinctLevels(float spectrum[256])
{
    for (int i = 1; i <= 51; ++i) {
        double level = 0.05 + 0.008 * i;
        spectrum[i] = (float)(level * level * level * level / 4);
    }
}

// How far the farthest expected corner lies from the nearest fed-back vertex.
static double Distance(const std::vector<float> &vertices, const std::vector<float> &corners)
{
    double worst = 0;
    for (size_t c = 0; c < corners.size(); c += 3) {
        double best = 1e9;
        for (size_t v = 0; v < vertices.size(); v += 3)
            best = fmin(best, fmax(fabs(vertices[v] - corners[c]), fabs(vertices[v + 1] - corners[c + 1])));
        worst = fmax(worst, best);
    }
    return worst;
}

// Window coordinates of band corners for loop value s turned by angle.
static std::vector<float> ExpectedCorners(float s, float z, float angle)
{
    double model[16], projection[16];
    GLint viewport[4];
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(10, 11, 10, 0, 3, 0, 0, 1, 0);
    glTranslatef(s, s, s);
    glRotatef(angle, -10, 10, -10);
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const float corners[4][3] = {{-z, 0, -z}, {z, 0, -z}, {z, 0, z}, {-z, 0, z}};
    std::vector<float> out;
    for (const auto &c : corners) {
        double wx, wy, wz;
        gluProject(c[0], c[1], c[2], model, projection, viewport, &wx, &wy, &wz);
        out.push_back((float)wx);
        out.push_back((float)wy);
        out.push_back((float)wz);
    }
    return out;
}

static float ByteColour(int b)
{
    return (2 * b + 1) / 255.0f;
}

// The band colour ramp as the host's documentation lists it (red, green,
// blue); band i is coloured from row i + 1, red from row 33 on.
static const int RAMP[33][3] = {
    {32, 32, 32},  {0, 44, 233},   {0, 67, 210},   {0, 89, 187},   {0, 112, 164}, {0, 135, 142},
    {0, 159, 117}, {0, 183, 88},   {0, 207, 58},   {0, 231, 29},   {26, 234, 26}, {52, 237, 23},
    {79, 240, 20}, {105, 243, 17}, {126, 245, 14}, {147, 248, 11}, {168, 250, 8}, {189, 253, 5},
    {210, 255, 2}, {233, 255, 0},  {255, 255, 0},  {255, 251, 0},  {255, 235, 0}, {255, 215, 0},
    {255, 196, 0}, {255, 176, 0},  {255, 156, 0},  {253, 137, 0},  {255, 117, 0}, {255, 97, 0},
    {255, 78, 0},  {255, 58, 0},   {255, 0, 0},
};

// glColor3b arguments of band i for spectrum value x: crossed pairing, blue
// scaled by 255. Only for values that stay below 128 (no wrap).
static void ExpectedColour(int i, float x, int rgb[3])
{
    float level = (float)sqrt(2 * sqrt((double)x));
    const int *c = RAMP[i < 32 ? i : 32];
    rgb[0] = (int)lrint((double)level * ((c[2] + 1) / 256.0f) * 127.0);
    rgb[1] = (int)lrint((double)level * ((c[1] + 1) / 256.0f) * 127.0);
    rgb[2] = (int)lrint((double)level * ((c[0] + 1) / 256.0f) * 255.0);
}

// How far the farthest vertex lies outside the convex quadrilateral of the
// projected corners (window x and y), 0 when all lie inside or on it.
static double OutsideBy(const std::vector<float> &vertices, const std::vector<float> &corners)
{
    // orientation of the corner loop, so that "inside" is the same side of every edge
    double area = 0;
    for (int k = 0; k < 4; ++k) {
        int n = (k + 1) % 4;
        area += corners[3 * k] * corners[3 * n + 1] - corners[3 * n] * corners[3 * k + 1];
    }
    double sign = area < 0 ? -1 : 1, worst = 0;
    for (size_t v = 0; v < vertices.size(); v += 3)
        for (int k = 0; k < 4; ++k) {
            int n = (k + 1) % 4;
            double ex = corners[3 * n] - corners[3 * k], ey = corners[3 * n + 1] - corners[3 * k + 1];
            double px = vertices[v] - corners[3 * k], py = vertices[v + 1] - corners[3 * k + 1];
            double distance = sign * (ex * py - ey * px) / sqrt(ex * ex + ey * ey); // > 0 inside
            worst = fmax(worst, -distance);
        }
    return worst;
}

// True when every corner lies between the near and the far plane.
static bool InFront(const std::vector<float> &corners)
{
    for (size_t c = 0; c < corners.size(); c += 3)
        if (corners[c + 2] <= 0 || corners[c + 2] >= 1) return false;
    return true;
}

// True when all four corners project inside the viewport, so that clipping
// cannot have cut any of them away.
static bool InView(const std::vector<float> &corners)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (size_t c = 0; c < corners.size(); c += 3)
        if (corners[c] < viewport[0] || corners[c] > viewport[0] + viewport[2] ||
            corners[c + 1] < viewport[1] || corners[c + 1] > viewport[1] + viewport[3] ||
            corners[c + 2] < 0 || corners[c + 2] > 1)
            return false;
    return true;
}

TEST_F(Scene, OneFrameDrawsFiftyOneBandsInTheirColours)
{
    Send(PLUGIN_CREATE);
    Send(PLUGIN_SIZE);
    DistinctLevels(spectrum);
    spectrum[1] = 0.25f;    // band 1 at level 1.0
    spectrum[40] = 0.0064f; // band 40 at level 0.4
    spectrum[0] = 9.0f;     // never drawn
    spectrum[52] = 9.0f;
    std::vector<FedBackBand> bands = RenderFeedback(plugin, &record);
    ASSERT_EQ(bands.size(), 51u);
    // every band in its own colour, from the ramp and its level
    float s = 1.0f;
    int inView = 0, inFront = 0;
    for (int i = 1; i <= 51; ++i, s = s + 0.1f) {
        const FedBackBand &band = bands[i - 1];
        int rgb[3];
        ExpectedColour(i, spectrum[i], rgb);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(band.rgba[k], ByteColour(rgb[k]), 1e-3) << "band " << i << " component " << k;
        // every fed-back vertex lies on the band's square, clipped or not,
        // as long as no corner lies behind the eye (its projection would flip)
        std::vector<float> corners = ExpectedCorners(s, HalfSize(s), 0.0f);
        if (!InFront(corners)) continue;
        ++inFront;
        EXPECT_LT(OutsideBy(band.xyz, corners), 0.05) << "band " << i;
        // Mesa feeds a quad back as two triangles; more pieces mean clipping
        if (band.polygons > 2 || !InView(corners)) continue;
        ++inView;
        EXPECT_EQ(band.polygons, 2) << "band " << i;
        EXPECT_LT(Distance(band.xyz, corners), 0.05) << "band " << i;
    }
    EXPECT_GE(inView, 10) << "too few bands lie wholly in view to check their corners";
    EXPECT_GE(inFront, 40) << "too few bands lie in front of the eye to check their vertices";
    struct Case {
        int band;
        int r, g, b;
    };
    // band 2 at level 0.066: ramp colour 3 (0, 67, 210); band 51 at 0.458: red
    const Case cases[] = {{1, 116, 22, 1}, {40, 0, 0, 102}, {2, 7, 2, 0}, {51, 0, 0, 117}};
    for (const Case &c : cases) {
        const FedBackBand &p = bands[c.band - 1];
        EXPECT_NEAR(p.rgba[0], ByteColour(c.r), 1e-3) << "band " << c.band;
        EXPECT_NEAR(p.rgba[1], ByteColour(c.g), 1e-3) << "band " << c.band;
        EXPECT_NEAR(p.rgba[2], ByteColour(c.b), 1e-3) << "band " << c.band;
    }
    // levels 0: no turn, the squares lie flat along the diagonal
    EXPECT_LT(Distance(bands[0].xyz, ExpectedCorners(1.0f, HalfSize(1.0f), 0.0f)), 0.05);
    // after the frame: blending and depth test off, depth writes on
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_TRUE);
    EXPECT_EQ(wglGetCurrentContext(), host.context);
}

// The turn of band 11 (s = 2, half-size 2) tells the accumulated rotation.
static float Band11Angle(double c, float rotation)
{
    return (float)((c + 2.0 * rotation) / 10);
}

TEST_F(Scene, RotationGrowsWithLoudnessAndSilenceResetsIt)
{
    Send(PLUGIN_CREATE);
    Send(PLUGIN_SIZE);
    record.level1 = 65535;
    const double c = 94 / 7.0;
    float s11 = 1.0f;
    for (int k = 0; k < 10; ++k)
        s11 = s11 + 0.1f;

    struct Frame {
        int nonZeroIndex; // -1: a silent frame
        float rotation;   // expected Rotation after the frame
        bool createFirst; // PLUGIN_CREATE again before the frame
    };
    const float r1 = (float)c, r2 = (float)(r1 + c), r3 = (float)(r2 + c);
    // a second PLUGIN_CREATE before a frame does not reset the rotation
    const Frame frames[] = {{5, r1, false}, {5, r2, false},  {5, r3, true},   {-1, 0.0f, false},
                            {0, r1, false}, {200, r2, true}, {255, r3, false}};
    for (const Frame &f : frames) {
        if (f.createFirst) {
            Send(PLUGIN_CREATE);
            Send(PLUGIN_SIZE);
        }
        for (float &v : spectrum)
            v = 0.0f;
        if (f.nonZeroIndex >= 0) spectrum[f.nonZeroIndex] = 0.5f;
        // with one value at most, bands of one colour merge: find band 11 by
        // its corners among all fed-back vertices
        std::vector<FedBackBand> bands = RenderFeedback(plugin, &record);
        std::vector<float> all;
        for (const FedBackBand &b : bands)
            all.insert(all.end(), b.xyz.begin(), b.xyz.end());
        std::vector<float> expected = ExpectedCorners(s11, HalfSize(s11), Band11Angle(c, f.rotation));
        EXPECT_LT(Distance(all, expected), 0.05)
            << "frame with value at " << f.nonZeroIndex << ": rotation should be " << f.rotation;
    }
}
