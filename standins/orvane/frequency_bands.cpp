// The 256-band magnitude spectrum and the two levels at one play position.
#include "engine_state.h"
#include <math.h>
#include <string.h>

static const double PI = 3.14159265358979323846;

// In-place radix-2 transform of n complex values (n a power of two).
static void Transform(double *re, double *im, int n)
{
    for (int i = 1, j = 0; i < n; ++i) {
        int bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) {
            double t = re[i];
            re[i] = re[j];
            re[j] = t;
            t = im[i];
            im[i] = im[j];
            im[j] = t;
        }
    }
    for (int len = 2; len <= n; len <<= 1) {
        double angle = -2 * PI / len;
        for (int start = 0; start < n; start += len)
            for (int k = 0; k < len / 2; ++k) {
                double wr = cos(angle * k), wi = sin(angle * k);
                int a = start + k, b = a + len / 2;
                double xr = re[b] * wr - im[b] * wi;
                double xi = re[b] * wi + im[b] * wr;
                re[b] = re[a] - xr;
                im[b] = im[a] - xi;
                re[a] += xr;
                im[a] += xi;
            }
    }
}

// Band k holds the amplitude (0..1 for a full-scale sine) of the frequency
// k * rate / 512 in the 512 frames from `frame` on, Hann-windowed; frames past
// the end count as silence. The levels are each channel's peak (mono: both).
void ComputeSpectrum(const DecodedMusic *music, uint32_t frame, float spectrum[SPECTRUM_BANDS],
                     uint16_t *level1, uint16_t *level2)
{
    memset(spectrum, 0, sizeof(float) * SPECTRUM_BANDS);
    *level1 = *level2 = 0;
    if (!music || !music->samples || music->channels == 0 || frame >= music->frames) return;

    static double re[SPECTRUM_POINTS], im[SPECTRUM_POINTS];
    unsigned peak[2] = {0, 0};
    double windowSum = 0;
    int channels = music->channels;
    for (int i = 0; i < SPECTRUM_POINTS; ++i) {
        double w = 0.5 - 0.5 * cos(2 * PI * i / (SPECTRUM_POINTS - 1));
        windowSum += w;
        double mix = 0;
        if (frame + (uint32_t)i < music->frames) {
            const int16_t *s = music->samples + (size_t)(frame + i) * channels;
            for (int c = 0; c < channels; ++c) {
                int v = s[c];
                unsigned a = (unsigned)(v < 0 ? -v : v);
                int side = c < 2 ? c : 1;
                if (a > peak[side]) peak[side] = a;
                mix += v;
            }
            mix /= channels * 32768.0;
        }
        re[i] = mix * w;
        im[i] = 0;
    }
    Transform(re, im, SPECTRUM_POINTS);
    for (int k = 0; k < SPECTRUM_BANDS; ++k)
        spectrum[k] = (float)(2 * sqrt(re[k] * re[k] + im[k] * im[k]) / windowSum);

    if (channels == 1) peak[1] = peak[0];
    for (int c = 0; c < 2; ++c) {
        unsigned v = peak[c] * 2;
        if (v > LEVEL_MAX) v = LEVEL_MAX;
        (c == 0 ? *level1 : *level2) = (uint16_t)v;
    }
}

// Index of the strongest band above a small noise floor, or -1 for silence.
int StrongestBand(const float spectrum[SPECTRUM_BANDS])
{
    const float FLOOR = 0.001f;
    int best = -1;
    float bestValue = FLOOR;
    for (int k = 0; k < SPECTRUM_BANDS; ++k)
        if (spectrum[k] > bestValue) {
            bestValue = spectrum[k];
            best = k;
        }
    return best;
}
