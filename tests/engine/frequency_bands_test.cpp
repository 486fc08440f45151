// The engine's spectrum and levels computed from generated PCM.
#include <gtest/gtest.h>
#include <math.h>
#include <vector>
#include "engine_state.h"
#include "engine_audio.h"

// Fills frames of interleaved PCM with a sine per channel.
static std::vector<int16_t> Sine(uint32_t rate, int channels, const double *amplitude, double frequency,
                                 uint32_t frames)
{
    std::vector<int16_t> pcm((size_t)frames * channels);
    for (uint32_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            pcm[(size_t)i * channels + c] = (int16_t)lround(
                32767 * amplitude[c] * sin(2 * 3.14159265358979323846 * frequency * i / rate));
    return pcm;
}

TEST(EngineSpectrum, SinePeaksInItsBandWithItsAmplitudeAndLevels)
{
    struct Case {
        uint32_t rate;
        int channels;
        double amplitude[2];
        int band;
        uint32_t startFrame;
    };
    const Case cases[] = {
        {44100, 1, {0.5, 0}, 20, 0},     {22050, 1, {0.9, 0}, 40, 1000}, {8000, 2, {0.25, 0.25}, 3, 0},
        {48000, 2, {0.8, 0.2}, 100, 77}, {44100, 1, {1.0, 0}, 255, 0},   {11025, 2, {0.0, 0.6}, 128, 5},
    };
    for (const Case &c : cases) {
        std::vector<int16_t> pcm = Sine(c.rate, c.channels, c.amplitude, BandFrequency(c.band, c.rate), 4096);
        DecodedMusic music = {pcm.data(), 4096, c.rate, (uint16_t)c.channels};
        float spectrum[SPECTRUM_BANDS];
        uint16_t level1 = 1, level2 = 1;
        ComputeSpectrum(&music, c.startFrame, spectrum, &level1, &level2);
        double mono = c.channels == 1 ? c.amplitude[0] : (c.amplitude[0] + c.amplitude[1]) / 2;
        SCOPED_TRACE(testing::Message() << "rate " << c.rate << " band " << c.band);
        EXPECT_EQ(StrongestBand(spectrum), c.band);
        EXPECT_NEAR(spectrum[c.band], mono, 0.02);
        // a band well away from the tone holds almost nothing
        EXPECT_LT(spectrum[(c.band + 128) % 256], 0.01);
        double left = c.amplitude[0], right = c.channels == 1 ? c.amplitude[0] : c.amplitude[1];
        EXPECT_NEAR(level1, fmin(left * 65534, 65535), 400);
        EXPECT_NEAR(level2, fmin(right * 65534, 65535), 400);
    }
}

TEST(EngineSpectrum, NoMusicSilenceAndPastTheEndGiveSilence)
{
    const double loud[1] = {0.7};
    std::vector<int16_t> tone = Sine(8000, 1, loud, 1000, 2048);
    std::vector<int16_t> quiet(2048, 0);
    struct Case {
        const char *what;
        DecodedMusic music;
        uint32_t frame;
    };
    const Case cases[] = {
        {"no samples", {0, 0, 0, 0}, 0},
        {"all zero", {quiet.data(), 2048, 8000, 1}, 0},
        {"past the end", {tone.data(), 2048, 8000, 1}, 2048},
        {"no channels", {tone.data(), 2048, 8000, 0}, 0},
    };
    for (const Case &c : cases) {
        float spectrum[SPECTRUM_BANDS];
        for (float &v : spectrum)
            v = 9;
        uint16_t level1 = 9, level2 = 9;
        ComputeSpectrum(&c.music, c.frame, spectrum, &level1, &level2);
        float largest = 0;
        for (float v : spectrum)
            largest = fmaxf(largest, v);
        EXPECT_EQ(largest, 0.0f) << c.what;
        EXPECT_EQ(level1, 0) << c.what;
        EXPECT_EQ(level2, 0) << c.what;
        EXPECT_EQ(StrongestBand(spectrum), -1) << c.what;
    }
}

TEST(EngineSpectrum, ToneNearTheEndIsReadUpToTheLastFrame)
{
    const double loud[1] = {0.5};
    std::vector<int16_t> tone = Sine(8000, 1, loud, BandFrequency(10, 8000), 1024);
    DecodedMusic music = {tone.data(), 1024, 8000, 1};
    float spectrum[SPECTRUM_BANDS];
    uint16_t level1, level2;
    // only 100 frames remain: the rest of the window counts as silence
    ComputeSpectrum(&music, 924, spectrum, &level1, &level2);
    EXPECT_GT(level1, 0);
    EXPECT_GT(spectrum[10], 0.0f);
    EXPECT_LT(spectrum[10], 0.5f);
}
