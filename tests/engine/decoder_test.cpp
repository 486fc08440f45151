// The engine's decoders on real files: a WAV written here, an MP3 from the
// build, both through the same calls the engine makes.
#include <gtest/gtest.h>
#include "engine_state.h"
#include "engine_audio.h"

TEST(EngineDecoder, Mp3FrameHeadersGiveRateChannelsAndLength)
{
    struct Case {
        unsigned char bytes[4];
        int valid;
        uint32_t rate;
        uint16_t channels;
        uint32_t bitrate, frameBytes;
    };
    const Case cases[] = {
        {{0xFF, 0xFB, 0x90, 0x64}, 1, 44100, 2, 128000, 417}, // MPEG-1, 128 kbit/s, joint stereo
        {{0xFF, 0xFB, 0x92, 0xC4}, 1, 44100, 1, 128000, 418}, // padded, mono
        {{0xFF, 0xFB, 0x54, 0x00}, 1, 48000, 2, 64000, 192},  // 48 kHz
        {{0xFF, 0xF3, 0x80, 0xC0}, 1, 22050, 1, 64000, 208},  // MPEG-2
        {{0xFF, 0xE3, 0x80, 0xC0}, 1, 11025, 1, 64000, 417},  // MPEG-2.5
        {{0xFF, 0xFD, 0x90, 0x64}, 0, 0, 0, 0, 0},            // layer II
        {{0xFF, 0xFB, 0xF0, 0x64}, 0, 0, 0, 0, 0},            // bad bit rate
        {{0xFF, 0xFB, 0x0C, 0x64}, 0, 0, 0, 0, 0},            // free format / bad rate
        {{0xFF, 0xEB, 0x90, 0x64}, 0, 0, 0, 0, 0},            // reserved version
        {{0x49, 0x44, 0x33, 0x03}, 0, 0, 0, 0, 0},            // "ID3", no sync
    };
    for (const Case &c : cases) {
        Mp3Header h = {};
        int valid = ParseMp3Header(c.bytes, &h);
        SCOPED_TRACE(testing::Message() << std::hex << (int)c.bytes[1] << " " << (int)c.bytes[2]);
        EXPECT_EQ(valid, c.valid);
        if (!valid || !c.valid) continue;
        EXPECT_EQ(h.rate, c.rate);
        EXPECT_EQ(h.channels, c.channels);
        EXPECT_EQ(h.bitrate, c.bitrate);
        EXPECT_EQ(h.frameBytes, c.frameBytes);
    }
}

TEST(EngineDecoder, WaveFileDecodesToItsSamples)
{
    std::string path = EngineWorkPath("decoder-stereo.wav");
    const double amplitude[2] = {0.5, 0.25};
    ASSERT_TRUE(WriteSineWave(path, 16000, 2, amplitude, BandFrequency(32, 16000), 0.5));
    DecodedMusic music;
    ASSERT_EQ(DecodeMusicFile(path.c_str(), &music), 1);
    EXPECT_EQ(music.rate, 16000u);
    EXPECT_EQ(music.channels, 2);
    EXPECT_EQ(music.frames, 8000u);
    float spectrum[SPECTRUM_BANDS];
    uint16_t level1, level2;
    ComputeSpectrum(&music, 4000, spectrum, &level1, &level2);
    EXPECT_EQ(StrongestBand(spectrum), 32);
    EXPECT_NEAR(level1, 32767, 300);
    EXPECT_NEAR(level2, 16383, 300);
    FreeMusic(&music);
    EXPECT_EQ(music.samples, nullptr);
}

TEST(EngineDecoder, Mp3DecodesThroughTheSystemCodec)
{
    DecodedMusic music;
    ASSERT_EQ(DecodeMusicFile(EngineWorkPath("tone.mp3").c_str(), &music), 1);
    EXPECT_EQ(music.rate, 44100u);
    EXPECT_EQ(music.channels, 1);
    // 30 s of tone, give or take the codec's padding frames
    EXPECT_NEAR((double)music.frames, 30.0 * 44100, 44100 * 0.2);
    float spectrum[SPECTRUM_BANDS];
    uint16_t level1, level2;
    ComputeSpectrum(&music, 44100 * 10, spectrum, &level1, &level2);
    EXPECT_EQ(StrongestBand(spectrum), 20);
    EXPECT_NEAR(spectrum[20], 0.5, 0.05);
    EXPECT_GT(level1, 25000);
    FreeMusic(&music);
}

TEST(EngineDecoder, MissingOrWrongFilesDecodeToNothing)
{
    std::string text = EngineWorkPath("not-music.mp3");
    FILE *f = fopen(text.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("this is plain text and holds no frame sync at all", f);
    fclose(f);
    const std::string paths[] = {"", EngineWorkPath("missing.wav"), EngineWorkPath("missing.mp3"), text,
                                 EngineWorkPath("")};
    for (const std::string &p : paths) {
        DecodedMusic music;
        EXPECT_EQ(DecodeMusicFile(p.c_str(), &music), 0) << p;
        EXPECT_EQ(music.samples, nullptr) << p;
        EXPECT_EQ(music.frames, 0u) << p;
    }
}
