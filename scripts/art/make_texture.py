#!/usr/bin/env python3
"""Makes data/VumoPlugin/Texture/Didudi.png: the band texture of the visual.

A soft round glow with a faint ring, white so that the band colour tints it,
and falling to transparent at the edge. The bands are added up (source alpha,
one), so the centre is bright and the rim fades out without hard corners.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from png import write_png  # noqa: E402

SIZE = 128
root = os.path.join(os.path.dirname(__file__), "..", "..")
out = os.path.join(root, "data", "VumoPlugin", "Texture", "Didudi.png")
os.makedirs(os.path.dirname(out), exist_ok=True)


def glow(x, y):
    c = (SIZE - 1) / 2.0
    r = math.hypot(x - c, y - c) / c  # 0 centre, 1 edge
    if r >= 1.0:
        return (255, 255, 255, 0)
    core = math.exp(-r * r * 6.0)
    ring = 0.35 * math.exp(-((r - 0.72) ** 2) / 0.004)
    fade = (1.0 - r) ** 0.5
    a = min(1.0, core + ring) * fade
    white = 200 + 55 * core
    return (white, white, white, 255 * a)


write_png(out, SIZE, SIZE, glow)
print(out)
