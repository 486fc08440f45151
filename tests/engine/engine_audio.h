// Test music: a WAV of a sine written by the test itself, and the MP3 that
// the build makes with the same tone.
#pragma once
#include <windows.h>
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string>
#include <vector>

inline std::string EngineWorkPath(const std::string &name)
{
    std::string p = std::string(TEST_WORK_DIR) + "\\engine\\" + name;
    for (char &c : p)
        if (c == '/') c = '\\';
    return p;
}

// A tone that lies exactly on band `band` of a 512-point transform at `rate`.
inline double BandFrequency(int band, uint32_t rate)
{
    return band * (double)rate / 512;
}

// Writes a 16-bit PCM WAV; channel c carries amplitude[c] * sine.
inline bool WriteSineWave(const std::string &path, uint32_t rate, int channels, const double *amplitude,
                          double frequency, double seconds)
{
    uint32_t frames = (uint32_t)(rate * seconds);
    std::vector<int16_t> data((size_t)frames * channels);
    for (uint32_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            data[(size_t)i * channels + c] = (int16_t)lround(
                32767 * amplitude[c] * sin(2 * 3.14159265358979323846 * frequency * i / rate));
    uint32_t dataBytes = (uint32_t)(data.size() * 2);
    FILE *f = fopen(path.c_str(), "wb");
    if (!f) return false;
    auto u32 = [f](uint32_t v) { fwrite(&v, 4, 1, f); };
    auto u16 = [f](uint16_t v) { fwrite(&v, 2, 1, f); };
    fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16((uint16_t)channels);
    u32(rate);
    u32(rate * channels * 2);
    u16((uint16_t)(channels * 2));
    u16(16);
    fwrite("data", 1, 4, f);
    u32(dataBytes);
    fwrite(data.data(), 1, dataBytes, f);
    return fclose(f) == 0;
}
