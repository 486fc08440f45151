#!/usr/bin/env python3
"""Makes data/Audio/Tessaro_Dusk.mp3: a short piece of music of our own.

Eight bars at 100 beats a minute in A minor (Am F C G, twice): a soft pad of
chords, a plucked bass, a lead melody with vibrato, and a beat of kick, snare
and hi-hat. Synthesised here in Python into a 44.1 kHz stereo WAV, given a
little room and a fade with sox, and encoded with lame at 96 kbit/s
(about 240 KB for 19 s).

    python3 scripts/art/make_music.py [output.mp3]
"""
import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import wave
from array import array

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
RATE = 44100
BPM = 100.0
BEAT = 60.0 / BPM
BARS = 8
LENGTH = BARS * 4 * BEAT + 1.5  # and a tail for the last chord and the room

left = array("d", [0.0]) * int(LENGTH * RATE)
right = array("d", [0.0]) * int(LENGTH * RATE)


def freq(note):
    """MIDI note number to hertz."""
    return 440.0 * 2 ** ((note - 69) / 12.0)


def add(start, samples, pan=0.0, gain=1.0):
    """Adds a mono voice at start seconds; pan -1 left .. 1 right."""
    i0 = int(start * RATE)
    gl, gr = gain * math.cos((pan + 1) * math.pi / 4), gain * math.sin((pan + 1) * math.pi / 4)
    for k, v in enumerate(samples):
        i = i0 + k
        if i >= len(left):
            break
        left[i] += v * gl
        right[i] += v * gr


def envelope(n, attack, release, sustain_to=1.0):
    a, r = int(attack * RATE), int(release * RATE)
    for k in range(n):
        e = 1.0 if k >= a else k / max(1, a)
        if k > n - r:
            e *= (n - k) / max(1, r)
        yield e * (1.0 + (sustain_to - 1.0) * k / n)


def pad(note, start, length, detune):
    f = freq(note) * (1 + detune)
    n = int(length * RATE)
    out = []
    w = 2 * math.pi * f / RATE
    for k, e in enumerate(envelope(n, 0.35, 0.6, 0.8)):
        p = w * k
        # a soft saw: the first five harmonics, falling off fast
        v = math.sin(p) + 0.45 * math.sin(2 * p) + 0.22 * math.sin(3 * p) + 0.1 * math.sin(4 * p) + 0.05 * math.sin(5 * p)
        out.append(v * e)
    return out


def pluck_bass(note, length):
    f = freq(note)
    n = int(length * RATE)
    w = 2 * math.pi * f / RATE
    out = []
    for k in range(n):
        t = k / RATE
        e = math.exp(-t * 5.0) * min(1.0, k / 80.0) * min(1.0, (n - k) / 400.0)
        out.append((math.sin(w * k) + 0.35 * math.sin(2 * w * k) * math.exp(-t * 9)) * e)
    return out


def lead(note, length):
    f = freq(note)
    n = int(length * RATE)
    out = []
    phase = 0.0
    for k, e in enumerate(envelope(n, 0.02, 0.12, 0.7)):
        t = k / RATE
        vib = 1 + 0.006 * math.sin(2 * math.pi * 5.2 * t) * min(1.0, t / 0.25)
        phase += 2 * math.pi * f * vib / RATE
        # a rounded square: odd harmonics, softened
        v = math.sin(phase) + 0.3 * math.sin(3 * phase) + 0.12 * math.sin(5 * phase) + 0.05 * math.sin(7 * phase)
        out.append(v * e)
    return out


noise = random.Random(5)


def kick():
    n = int(0.35 * RATE)
    out, phase = [], 0.0
    for k in range(n):
        t = k / RATE
        f = 50 + 110 * math.exp(-t * 28)
        phase += 2 * math.pi * f / RATE
        out.append(math.sin(phase) * math.exp(-t * 9))
    return out


def snare():
    n = int(0.22 * RATE)
    out = []
    last = 0.0
    for k in range(n):
        t = k / RATE
        white = noise.uniform(-1, 1)
        hp = white - last  # a crude high pass takes the rumble out of the noise
        last = white
        out.append(0.55 * hp * math.exp(-t * 18) + 0.5 * math.sin(2 * math.pi * 185 * t) * math.exp(-t * 30))
    return out


def hat(open_hat):
    n = int((0.18 if open_hat else 0.05) * RATE)
    out = []
    last = 0.0
    for k in range(n):
        t = k / RATE
        white = noise.uniform(-1, 1)
        out.append((white - last) * math.exp(-t * (14 if open_hat else 70)))
        last = white
    return out


# Am, F, C, G: root of the bass and the chord's notes
CHORDS = [(45, (57, 60, 64)), (41, (57, 60, 65)), (48, (55, 60, 64)), (43, (55, 59, 62))]
# the melody, (beat in the bar, note, beats long) for each of the 8 bars
MELODY = [
    [(0, 76, 1.5), (1.5, 74, 0.5), (2, 72, 1), (3, 69, 1)],
    [(0, 72, 1.5), (1.5, 74, 0.5), (2, 76, 2)],
    [(0, 79, 1), (1, 76, 1), (2, 74, 0.5), (2.5, 72, 0.5), (3, 74, 1)],
    [(0, 71, 1.5), (1.5, 72, 0.5), (2, 74, 2)],
    [(0, 76, 1.5), (1.5, 74, 0.5), (2, 72, 1), (3, 76, 1)],
    [(0, 77, 1.5), (1.5, 76, 0.5), (2, 74, 1), (3, 72, 1)],
    [(0, 79, 1), (1, 76, 0.5), (1.5, 79, 0.5), (2, 81, 1), (3, 79, 1)],
    [(0, 76, 1), (1, 74, 1), (2, 71, 1), (3, 69, 1)],
]
KICK, SNARE = kick(), snare()
HAT, OPEN_HAT = hat(False), hat(True)

for bar in range(BARS):
    t0 = bar * 4 * BEAT
    root, notes = CHORDS[bar % 4]
    last = bar == BARS - 1
    if last:  # end on A minor
        root, notes = CHORDS[0]
    for k, note in enumerate(notes):
        length = 4 * BEAT + (1.4 if last else 0.25)
        add(t0, pad(note, t0, length, 0.003), pan=-0.5 + 0.5 * k, gain=0.07)
        add(t0, pad(note + 12, t0, length, -0.004), pan=0.5 - 0.5 * k, gain=0.025)
    for eighth in range(8):
        note = root + (12 if eighth in (3, 6) else 0)
        add(t0 + eighth * BEAT / 2, pluck_bass(note, BEAT / 2), gain=0.30)
    for beat, note, beats in MELODY[bar]:
        add(t0 + beat * BEAT, lead(note, beats * BEAT * 0.95), pan=0.15, gain=0.12)
    for beat in range(4):
        if beat in (0, 2) or (beat == 3 and bar % 2 == 1):
            add(t0 + beat * BEAT + (BEAT / 2 if beat == 3 else 0), KICK, gain=0.55)
        if beat in (1, 3):
            add(t0 + beat * BEAT, SNARE, pan=0.05, gain=0.30)
    for eighth in range(8):
        add(t0 + eighth * BEAT / 2, OPEN_HAT if eighth == 7 else HAT, pan=0.35, gain=0.10 if eighth % 2 else 0.16)

peak = max(max(abs(v) for v in left), max(abs(v) for v in right))
out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "Audio", "Tessaro_Dusk.mp3")
os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
with tempfile.TemporaryDirectory() as tmp:
    dry, wet = os.path.join(tmp, "dry.wav"), os.path.join(tmp, "wet.wav")
    with wave.open(dry, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        frames = bytearray()
        for a, b in zip(left, right):
            frames += struct.pack("<hh", int(a / peak * 26000), int(b / peak * 26000))
        w.writeframes(bytes(frames))
    subprocess.run(["sox", dry, wet, "highpass", "25", "reverb", "22", "50", "60", "fade", "t", "0.02", "-0", "1.2", "norm", "-1"],
                   check=True)
    subprocess.run(["lame", "--quiet", "-b", "96", "-q", "2", "--tt", "Dusk", "--ta", "Tessaro", wet, out],
                   check=True)
print(out)
