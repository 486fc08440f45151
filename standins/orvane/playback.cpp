// Playing music: the decoded PCM goes to the sound device when there is one;
// the spectrum follows the play position by elapsed time either way.
#include "engine_state.h"
#include <string.h>

static void CloseWaveOut()
{
    if (!Engine.waveOut) return;
    waveOutReset(Engine.waveOut);
    waveOutUnprepareHeader(Engine.waveOut, &Engine.waveHeader, sizeof Engine.waveHeader);
    waveOutClose(Engine.waveOut);
    Engine.waveOut = 0;
}

static void OpenWaveOut()
{
    if (waveOutGetNumDevs() == 0) return;
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = Engine.music.channels;
    format.nSamplesPerSec = Engine.music.rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = (WORD)(2 * format.nChannels);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    HWAVEOUT device = 0;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return;
    memset(&Engine.waveHeader, 0, sizeof Engine.waveHeader);
    Engine.waveHeader.lpData = (LPSTR)Engine.music.samples;
    Engine.waveHeader.dwBufferLength = Engine.music.frames * format.nBlockAlign;
    Engine.waveOut = device;
    if (waveOutPrepareHeader(device, &Engine.waveHeader, sizeof Engine.waveHeader) != MMSYSERR_NOERROR ||
        waveOutWrite(device, &Engine.waveHeader, sizeof Engine.waveHeader) != MMSYSERR_NOERROR)
        CloseWaveOut();
}

static void Silence()
{
    memset(Engine.spectrum, 0, sizeof Engine.spectrum);
    Engine.level1 = Engine.level2 = 0;
}

void StopMusic()
{
    CloseWaveOut();
    FreeMusic(&Engine.music);
    Engine.playing = 0;
    Silence();
    PublishDiagnostics();
}

// An unreadable file leaves the engine silent, as after "STOP".
void StartMusic(const char *path)
{
    StopMusic();
    if (!DecodeMusicFile(path, &Engine.music)) return;
    Engine.playing = 1;
    Engine.playStart = GetTickCount();
    OpenWaveOut();
    UpdateSpectrum();
}

void UpdateSpectrum()
{
    if (!Engine.playing) return;
    uint64_t elapsed = GetTickCount() - Engine.playStart;
    uint64_t frame = elapsed * Engine.music.rate / 1000;
    if (frame >= Engine.music.frames) {
        // the piece has ended
        StopMusic();
        return;
    }
    ComputeSpectrum(&Engine.music, (uint32_t)frame, Engine.spectrum, &Engine.level1, &Engine.level2);
    PublishDiagnostics();
}
