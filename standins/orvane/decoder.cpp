// Music files decoded into 16-bit PCM in memory: WAV through mmio, MP3
// through the system's ACM MPEG Layer-3 codec.
#include "engine_state.h"
#include <mmreg.h>
#include <msacm.h>
#include <stdlib.h>
#include <string.h>

void FreeMusic(DecodedMusic *music)
{
    free(music->samples);
    memset(music, 0, sizeof *music);
}

static int EndsWithNoCase(const char *text, const char *tail)
{
    size_t n = strlen(text), m = strlen(tail);
    return n >= m && lstrcmpiA(text + n - m, tail) == 0;
}

int DecodeMusicFile(const char *path, DecodedMusic *music)
{
    memset(music, 0, sizeof *music);
    if (!path || !path[0]) return 0;
    if (EndsWithNoCase(path, ".wav")) return DecodeWaveFile(path, music);
    if (EndsWithNoCase(path, ".mp3")) return DecodeMp3File(path, music);
    // unknown extension: try both by content
    return DecodeWaveFile(path, music) || DecodeMp3File(path, music);
}

// PCM WAV with 8 or 16 bits and one or two channels.
int DecodeWaveFile(const char *path, DecodedMusic *music)
{
    memset(music, 0, sizeof *music);
    HMMIO file = mmioOpenA((LPSTR)path, 0, MMIO_READ | MMIO_ALLOCBUF);
    if (!file) return 0;
    int ok = 0;
    MMCKINFO riff = {}, chunk = {};
    PCMWAVEFORMAT format = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(file, &riff, 0, MMIO_FINDRIFF) == 0) {
        chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
        if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) == 0 && chunk.cksize >= sizeof format &&
            mmioRead(file, (HPSTR)&format, sizeof format) == (LONG)sizeof format) {
            mmioAscend(file, &chunk, 0);
            int bits = format.wBitsPerSample, channels = format.wf.nChannels;
            chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
            if (format.wf.wFormatTag == WAVE_FORMAT_PCM && (bits == 8 || bits == 16) &&
                (channels == 1 || channels == 2) && format.wf.nSamplesPerSec > 0 &&
                mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) == 0) {
                uint32_t bytesPerFrame = (uint32_t)channels * (bits / 8);
                uint32_t frames = chunk.cksize / bytesPerFrame;
                uint32_t limit = format.wf.nSamplesPerSec * MUSIC_MAX_SECONDS;
                if (frames > limit) frames = limit;
                uint32_t bytes = frames * bytesPerFrame;
                unsigned char *raw = (unsigned char *)malloc(bytes ? bytes : 1);
                int16_t *samples = (int16_t *)malloc(((size_t)frames * channels + 1) * sizeof(int16_t));
                if (raw && samples) {
                    LONG got = mmioRead(file, (HPSTR)raw, (LONG)bytes);
                    if (got > 0) {
                        frames = (uint32_t)got / bytesPerFrame;
                        for (uint32_t i = 0; i < frames * channels; ++i)
                            samples[i] = bits == 16 ? (int16_t)(raw[2 * i] | (raw[2 * i + 1] << 8))
                                                    : (int16_t)((raw[i] - 128) << 8);
                        music->samples = samples;
                        samples = 0;
                        music->frames = frames;
                        music->rate = format.wf.nSamplesPerSec;
                        music->channels = (uint16_t)channels;
                        ok = 1;
                    }
                }
                free(raw);
                free(samples);
            }
        }
    }
    mmioClose(file, 0);
    return ok;
}

// Reads a four-byte MPEG audio frame header (layer III only).
int ParseMp3Header(const unsigned char *b, Mp3Header *header)
{
    static const uint16_t BITRATES_V1[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                             112, 128, 160, 192, 224, 256, 320, 0};
    static const uint16_t BITRATES_V2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    static const uint32_t RATES[3] = {44100, 48000, 32000};
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) return 0;
    int version = (b[1] >> 3) & 3; // 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5
    int layer = (b[1] >> 1) & 3;   // 1 = layer III
    int bitrateIndex = b[2] >> 4, rateIndex = (b[2] >> 2) & 3, padding = (b[2] >> 1) & 1;
    if (version == 1 || layer != 1 || rateIndex == 3 || bitrateIndex == 0 || bitrateIndex == 15) return 0;
    uint32_t rate = RATES[rateIndex];
    if (version == 2) rate /= 2;
    if (version == 0) rate /= 4;
    uint32_t kbps = version == 3 ? BITRATES_V1[bitrateIndex] : BITRATES_V2[bitrateIndex];
    header->rate = rate;
    header->channels = ((b[3] >> 6) & 3) == 3 ? 1 : 2;
    header->bitrate = kbps * 1000;
    header->frameBytes = (version == 3 ? 144 : 72) * header->bitrate / rate + padding;
    return 1;
}

// Whole file in memory; 0 on failure. Files beyond 64 MB are not music here.
static unsigned char *ReadWholeFile(const char *path, uint32_t *size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, 0, OPEN_EXISTING, 0, 0);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD length = GetFileSize(file, 0), got = 0;
    unsigned char *bytes = 0;
    if (length != INVALID_FILE_SIZE && length > 0 && length <= 64u * 1024 * 1024) {
        bytes = (unsigned char *)malloc(length);
        if (bytes && (!ReadFile(file, bytes, length, &got, 0) || got != length)) {
            free(bytes);
            bytes = 0;
        }
    }
    CloseHandle(file);
    *size = length;
    return bytes;
}

// Offset of the first frame header that a second header follows, or -1.
static long FindFirstFrame(const unsigned char *bytes, uint32_t size, Mp3Header *header)
{
    uint32_t start = 0;
    if (size >= 10 && memcmp(bytes, "ID3", 3) == 0)
        start = 10 + (((bytes[6] & 0x7F) << 21) | ((bytes[7] & 0x7F) << 14) | ((bytes[8] & 0x7F) << 7) |
                      (bytes[9] & 0x7F));
    for (uint32_t i = start; i + 4 <= size; ++i) {
        if (!ParseMp3Header(bytes + i, header)) continue;
        uint32_t next = i + header->frameBytes;
        Mp3Header second;
        if (next + 4 > size || ParseMp3Header(bytes + next, &second)) return (long)i;
    }
    return -1;
}

// Appends the converted bytes to a growing PCM buffer.
static int AppendPcm(unsigned char **pcm, uint32_t *used, uint32_t *capacity, const unsigned char *src,
                     uint32_t n, uint32_t limit)
{
    if (*used + n > limit) n = limit - *used;
    if (*used + n > *capacity) {
        uint32_t grown = *capacity ? *capacity * 2 : 1u << 20;
        while (grown < *used + n)
            grown *= 2;
        unsigned char *p = (unsigned char *)realloc(*pcm, grown);
        if (!p) return 0;
        *pcm = p;
        *capacity = grown;
    }
    memcpy(*pcm + *used, src, n);
    *used += n;
    return 1;
}

int DecodeMp3File(const char *path, DecodedMusic *music)
{
    memset(music, 0, sizeof *music);
    uint32_t size = 0;
    unsigned char *bytes = ReadWholeFile(path, &size);
    if (!bytes) return 0;
    Mp3Header header;
    long first = FindFirstFrame(bytes, size, &header);
    if (first < 0) {
        free(bytes);
        return 0;
    }

    MPEGLAYER3WAVEFORMAT source = {};
    source.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    source.wfx.nChannels = header.channels;
    source.wfx.nSamplesPerSec = header.rate;
    source.wfx.nAvgBytesPerSec = header.bitrate / 8;
    source.wfx.nBlockAlign = 1;
    source.wfx.wBitsPerSample = 0;
    source.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    source.wID = MPEGLAYER3_ID_MPEG;
    source.fdwFlags = MPEGLAYER3_FLAG_PADDING_OFF;
    source.nBlockSize = (WORD)header.frameBytes;
    source.nFramesPerBlock = 1;
    source.nCodecDelay = 0;
    WAVEFORMATEX target = {};
    target.wFormatTag = WAVE_FORMAT_PCM;
    target.nChannels = header.channels;
    target.nSamplesPerSec = header.rate;
    target.wBitsPerSample = 16;
    target.nBlockAlign = (WORD)(2 * header.channels);
    target.nAvgBytesPerSec = header.rate * target.nBlockAlign;

    HACMSTREAM stream = 0;
    if (acmStreamOpen(&stream, 0, &source.wfx, &target, 0, 0, 0, 0) != 0) {
        free(bytes);
        return 0;
    }
    const DWORD CHUNK = 16 * 1024;
    DWORD outSize = 0;
    if (acmStreamSize(stream, CHUNK, &outSize, ACM_STREAMSIZEF_SOURCE) != 0 || outSize == 0)
        outSize = CHUNK * 16;
    unsigned char *in = (unsigned char *)malloc(CHUNK);
    unsigned char *out = (unsigned char *)malloc(outSize);
    unsigned char *pcm = 0;
    uint32_t used = 0, capacity = 0;
    uint32_t limit = header.rate * MUSIC_MAX_SECONDS * target.nBlockAlign;
    ACMSTREAMHEADER part = {};
    part.cbStruct = sizeof part;
    part.pbSrc = in;
    part.cbSrcLength = CHUNK;
    part.pbDst = out;
    part.cbDstLength = outSize;
    int ok = in && out && acmStreamPrepareHeader(stream, &part, 0) == 0;
    if (ok) {
        uint32_t position = (uint32_t)first, pending = 0;
        while (ok && used < limit) {
            uint32_t take = CHUNK - pending;
            if (take > size - position) take = size - position;
            memcpy(in + pending, bytes + position, take);
            position += take;
            pending += take;
            int last = position >= size;
            part.cbSrcLength = pending;
            part.cbDstLengthUsed = 0;
            DWORD flags = ACM_STREAMCONVERTF_BLOCKALIGN | (last ? ACM_STREAMCONVERTF_END : 0);
            if (acmStreamConvert(stream, &part, flags) != 0) break;
            ok = AppendPcm(&pcm, &used, &capacity, out, part.cbDstLengthUsed, limit);
            uint32_t consumed = part.cbSrcLengthUsed;
            if (consumed > pending) consumed = pending;
            memmove(in, in + consumed, pending - consumed);
            pending -= consumed;
            if (last && (part.cbDstLengthUsed == 0 || pending == 0)) break;
            if (!last && consumed == 0 && part.cbDstLengthUsed == 0) break; // codec stuck
        }
        part.cbSrcLength = CHUNK;
        acmStreamUnprepareHeader(stream, &part, 0);
    }
    acmStreamClose(stream, 0);
    free(in);
    free(out);
    free(bytes);
    uint32_t frames = used / target.nBlockAlign;
    if (!ok || frames == 0) {
        free(pcm);
        return 0;
    }
    music->samples = (int16_t *)pcm;
    music->frames = frames;
    music->rate = header.rate;
    music->channels = header.channels;
    return 1;
}
