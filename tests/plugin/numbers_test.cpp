// The scene's and the texture's numbers, as tables.
#include <gtest/gtest.h>
#include <math.h>
#include "plugin/color_tables.h"
#include "plugin/scene.h"
#include "plugin/textures.h"
#include "plugin/vortiq_state.h"

TEST(SceneNumbers, LoudnessStepFromTheLouderLevel)
{
    struct Case {
        unsigned level1, level2;
        double step;
    };
    const Case cases[] = {
        {350, 0, 0.0},                           // 0.5 rounds to even 0
        {1050, 0, 2 / 7.0},                      // 1.5 rounds to 2
        {1750, 0, 2 / 7.0},                      // 2.5 rounds to even 2
        {0, 65535, 94 / 7.0},                    // the loudest 16-bit level
        {4900, 0, 1.0},       {1050, 4900, 1.0}, // the larger of the two
        {0, 0, 0.0},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(LoudnessStep(c.level1, c.level2), c.step) << c.level1 << ", " << c.level2;
}

TEST(SceneNumbers, BandLevelIsTheRootOfTwiceTheRoot)
{
    struct Case {
        float value, level;
    };
    const Case cases[] = {{1.0f, 1.41421356f}, {0.0625f, 0.70710678f}, {0.25f, 1.0f},
                          {0.0f, 0.0f},        {-0.5f, -1.0f},         {-2.0f, -4.0f}};
    for (const Case &c : cases)
        EXPECT_FLOAT_EQ(BandLevel(c.value), c.level) << c.value;
}

TEST(SceneNumbers, HalvesRoundToEven)
{
    const double in[] = {0.5, 1.5, 2.5, -85.5, -86.5, 1226.5625, 0.49};
    const long out[] = {0, 2, 2, -86, -86, 1227, 0};
    for (size_t k = 0; k < sizeof in / sizeof in[0]; ++k)
        EXPECT_EQ(RoundHalfEven(in[k]), out[k]) << in[k];
}

TEST(SceneNumbers, RampAndFactors)
{
    BuildColorRamp();
    BuildColorFactors();
    EXPECT_EQ(RampColor(-1), 0u); // i + 1 below the ramp
    EXPECT_EQ(RampColor(INT_MIN), 0u);
    EXPECT_EQ(RampColor(0), RGB(32, 32, 32));
    EXPECT_EQ(RampColor(1), RGB(0, 44, 233));
    EXPECT_EQ(RampColor(27), RGB(253, 137, 0));
    EXPECT_EQ(RampColor(32), RGB(255, 0, 0));
    EXPECT_EQ(RampColor(255), RGB(255, 0, 0));
    EXPECT_EQ(RampColor(INT_MAX), RGB(255, 0, 0));
    EXPECT_FLOAT_EQ(RedFactor[0], 33 / 256.0f);
    EXPECT_FLOAT_EQ(BlueFactor[1], 234 / 256.0f);
    EXPECT_FLOAT_EQ(RedFactor[40], 1.0f);
    EXPECT_FLOAT_EQ(GreenFactor[40], 1 / 256.0f);
}

TEST(SceneNumbers, BandColoursAreCrossedAndWrapAsGlBytes)
{
    BuildColorRamp();
    BuildColorFactors();
    struct Case {
        int band;
        float level;
        signed char r, g, b;
    };
    const Case cases[] = {
        {1, 1.0f, 116, 22, 1},
        {40, 1.0f, 0, 0, -1}, // 255 read as a signed byte
        {40, 0.4f, 0, 0, 102},
        {40, 0.6f, 0, 0, -103}, // 153 wraps
        {20, 0.0f, 0, 0, 0},
        // beyond the range of a 32-bit integer the low eight bits still count
        {40, 8421505.0f, -64, -64, 127},
        {40, -8421505.0f, 64, 64, -127},
        {40, INFINITY, 0, 0, 0},
        {40, NAN, 0, 0, 0},
    };
    for (const Case &c : cases) {
        signed char rgb[3];
        BandColor(c.band, c.level, rgb);
        EXPECT_EQ(rgb[0], c.r) << "band " << c.band << " at " << c.level;
        EXPECT_EQ(rgb[1], c.g) << "band " << c.band << " at " << c.level;
        EXPECT_EQ(rgb[2], c.b) << "band " << c.band << " at " << c.level;
    }
}

TEST(SceneNumbers, HalfSizeAtTheFirstMiddleAndLastBand)
{
    // the loop values as a single-precision float steps them
    float s = 1.0f, last = 0;
    int bands = 0;
    for (; s <= 6.0f; s = s + 0.1f) {
        last = s;
        ++bands;
    }
    EXPECT_EQ(bands, BAND_COUNT_DRAWN);
    EXPECT_NEAR(last, 5.9999967f, 1e-6);
    EXPECT_NEAR(BandHalfSize(1.0f), 0.009967, 1e-6);
    EXPECT_NEAR(BandHalfSize(2.0f), 2.0, 1e-6);
    EXPECT_NEAR(BandHalfSize(last), 7.0796, 1e-4);
}

TEST(SceneNumbers, ShortOrMissingSpectrumIsReadOnlyWithinItsBound)
{
    float host[4] = {0.25f, 1.0f, 0.0625f, 4.0f};
    PluginRecord record = {};
    record.spectrum = host;
    record.spectrumBound = 2; // the host has only three valid values
    float levels[256];
    ReadBandLevels(&record, levels);
    EXPECT_FLOAT_EQ(levels[0], 1.0f);
    EXPECT_FLOAT_EQ(levels[1], 1.41421356f);
    EXPECT_FLOAT_EQ(levels[2], 0.70710678f);
    for (int k = 3; k < 256; ++k)
        ASSERT_EQ(levels[k], 0.0f) << k;

    record.spectrum = NULL;
    record.spectrumBound = 255;
    ReadBandLevels(&record, levels);
    for (int k = 0; k < 256; ++k)
        ASSERT_EQ(levels[k], 0.0f) << k;
}

TEST(TextureNumbers, SizeLadderFitAndCentre)
{
    struct Case {
        int w, h;
        TextureFit fit; // width, height, drawWidth, drawHeight, x, y
    };
    const Case cases[] = {
        {300, 200, {256, 128, 192, 128, 32, 0}},
        {200, 300, {128, 256, 128, 192, 0, 32}},
        {4000, 3000, {2048, 2048, 2048, 1536, 0, 256}},
        {8192, 8192, {4096, 4096, 4096, 4096, 0, 0}},
        {100, 100, {64, 64, 64, 64, 0, 0}},
        {64, 64, {64, 64, 64, 64, 0, 0}},
        {5000, 10, {4096, 8, 4096, 8, 0, 0}},
        {1, 1, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        TextureFit f = FitTexture(c.w, c.h);
        EXPECT_EQ(f.width, c.fit.width) << c.w << "x" << c.h;
        EXPECT_EQ(f.height, c.fit.height) << c.w << "x" << c.h;
        EXPECT_EQ(f.drawWidth, c.fit.drawWidth) << c.w << "x" << c.h;
        EXPECT_EQ(f.drawHeight, c.fit.drawHeight) << c.w << "x" << c.h;
        EXPECT_EQ(f.x, c.fit.x) << c.w << "x" << c.h;
        EXPECT_EQ(f.y, c.fit.y) << c.w << "x" << c.h;
    }
}

TEST(TextureNumbers, AcceptedPictureTypes)
{
    const char *accepted[] = {"a.png", "a.Jpeg", "b.TIF", "c.dib", "x.y\\pic.gif", "i.ico", "t.tiff"};
    const char *refused[] = {"a.jpe", "a.tga", "a.p", "picture", "a.png.txt", "a.", "a.PN"};
    for (const char *p : accepted)
        EXPECT_TRUE(IsAcceptedImageType(p)) << p;
    for (const char *p : refused)
        EXPECT_FALSE(IsAcceptedImageType(p)) << p;
}
