#!/usr/bin/env python3
"""Makes the pictures of data/Resource/: the widget and panel pictures of Tessaro.

Pure Python (zlib and struct only). Shapes are drawn from signed distances, so
every edge is anti-aliased without supersampling.

What the skin engine and the image panel expect of each picture:

  Clock_09_92.png   digit strip of the clock widget: 11 equal cells of
                    14 x 24 side by side (154 x 24): the digits 0 to 9, then
                    the colon. Red seven-segment digits on a dark glass that
                    is opaque, so the strip joins up seamlessly cell by cell.
  SelectImage.png   image button: 5 equal frames of 48 x 48 side by side
                    (240 x 48), in the order normal, hover, pressed,
                    disabled, focus; a folder holding a photo. Transparent
                    corners.
  BTN_Gauge01.png   knob gauge, 44 x 44, steel cap with a blue pointer at the
                    top (position 0); transparent corners.
  BTN_Gauge02.png   knob gauge, 48 x 48, dark cap with an amber pointer at the
                    top; transparent corners.
  Corvel.png        start-up picture of the image panel, 800 x 600, opaque:
                    mountains at dusk over a lake.
  Pictora.png       logo drawn in the panel's top right corner, 100 x 32,
                    transparent background.

Colours follow the skin Corvel.sks (frame #1E2630, edge #5FA8D3).

    python3 scripts/art/make_resources.py [output folder]
"""
import math
import os
import struct
import sys
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


# ---------------------------------------------------------------- PNG output
def write_png(path, width, height, rows, alpha):
    """rows: one bytes-like per row, RGB or RGBA bytes left to right."""
    raw = bytearray()
    for row in rows:
        raw.append(0)
        raw.extend(row)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    colour_type = 6 if alpha else 2
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def byte(v):
    return max(0, min(255, int(round(v))))


class Canvas:
    """Straight RGBA floats (0..1), composited with "over"."""

    def __init__(self, w, h, fill=(0.0, 0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]

    def over(self, x, y, rgb, a):
        if a <= 0.0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        a = min(1.0, a)
        p = self.px[y * self.w + x]
        out_a = a + p[3] * (1.0 - a)
        if out_a <= 0.0:
            return
        for k in range(3):
            p[k] = (rgb[k] * a + p[k] * p[3] * (1.0 - a)) / out_a
        p[3] = out_a

    def shape(self, sdf, colour, box=None, alpha=1.0):
        """Fills where sdf(x, y) < 0; colour is an rgb triple or f(x, y) -> rgb."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                cx, cy = x + 0.5, y + 0.5
                cov = coverage(sdf(cx, cy))
                if cov > 0.0:
                    rgb = colour(cx, cy) if callable(colour) else colour
                    self.over(x, y, rgb, cov * alpha)

    def rows(self, alpha=True):
        out = []
        for y in range(self.h):
            row = bytearray()
            for x in range(self.w):
                p = self.px[y * self.w + x]
                if alpha:
                    row.extend((byte(p[0] * 255), byte(p[1] * 255), byte(p[2] * 255), byte(p[3] * 255)))
                else:
                    row.extend((byte(p[0] * 255), byte(p[1] * 255), byte(p[2] * 255)))
            out.append(row)
        return out


def hexrgb(text):
    text = text.lstrip("#")
    return tuple(int(text[k:k + 2], 16) / 255.0 for k in (0, 2, 4))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def scale(c, f):
    return tuple(min(1.0, max(0.0, v * f)) for v in c)


def grey(c, amount):
    """Moves a colour toward its own luminance."""
    lum = 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2]
    return mix(c, (lum, lum, lum), amount)


# ------------------------------------------------------ signed distances
def coverage(d):
    return max(0.0, min(1.0, 0.5 - d))


def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_ring(cx, cy, r, half):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - half


def sd_round_box(x0, y0, x1, y1, r):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r

    return f


def seg_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def sd_strokes(segments, half):
    """Round-capped strokes along a list of segments (ax, ay, bx, by)."""
    return lambda x, y: min(seg_distance(x, y, *s) for s in segments) - half


def sd_polygon(points):
    n = len(points)

    def f(x, y):
        d = min(seg_distance(x, y, *points[k], *points[(k + 1) % n]) for k in range(n))
        inside = False
        for k in range(n):
            (ax, ay), (bx, by) = points[k], points[(k + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d

    return f


def sd_union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def sd_intersect(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def arc(cx, cy, r, a0, a1, steps=12, ry=None):
    """Segments along an arc, angles in degrees, 0 to the right, y down."""
    ry = r if ry is None else ry
    pts = []
    for k in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * k / steps)
        pts.append((cx + r * math.cos(a), cy + ry * math.sin(a)))
    return [(pts[k][0], pts[k][1], pts[k + 1][0], pts[k + 1][1]) for k in range(steps)]


def bbox(x0, y0, x1, y1):
    return (int(math.floor(x0)) - 1, int(math.floor(y0)) - 1, int(math.ceil(x1)) + 2, int(math.ceil(y1)) + 2)


# ------------------------------------------------------------- the clock strip
CLOCK_CELL_W, CLOCK_CELL_H, CLOCK_CELLS = 14, 24, 11
SEGMENTS = {  # a b c d e f g
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def segment_lines(ox):
    """The seven segments of a cell whose left edge is ox, slanted a little."""
    l, r, t, m, b, g = 3.6, 10.4, 3.4, 12.0, 20.6, 1.0

    def p(x, y):  # italic slant about the middle line
        return (ox + x + (m - y) * 0.10, y)

    lines = {
        "a": (p(l + g, t), p(r - g, t)), "g": (p(l + g, m), p(r - g, m)), "d": (p(l + g, b), p(r - g, b)),
        "f": (p(l, t + g), p(l, m - g)), "b": (p(r, t + g), p(r, m - g)),
        "e": (p(l, m + g), p(l, b - g)), "c": (p(r, m + g), p(r, b - g)),
    }
    return {k: (a[0], a[1], b_[0], b_[1]) for k, (a, b_) in lines.items()}


def make_clock(path):
    w, h = CLOCK_CELL_W * CLOCK_CELLS, CLOCK_CELL_H
    glass_top, glass_bottom = hexrgb("#1A1F26"), hexrgb("#0B0E12")
    c = Canvas(w, h)
    for y in range(h):
        col = mix(glass_top, glass_bottom, y / (h - 1))
        for x in range(w):
            c.over(x, y, col, 1.0)
    lit, unlit, halo = hexrgb("#FF4A32"), hexrgb("#3A1A1A"), hexrgb("#FF2A10")
    for cell in range(CLOCK_CELLS):
        ox = cell * CLOCK_CELL_W
        box = (ox, 0, ox + CLOCK_CELL_W, h)
        if cell < 10:
            lines = segment_lines(ox)
            on = [lines[s] for s in SEGMENTS[str(cell)]]
            off = [lines[s] for s in "abcdefg" if s not in SEGMENTS[str(cell)]]
            if off:
                c.shape(sd_strokes(off, 1.15), unlit, box)
            c.shape(sd_strokes(on, 3.2), halo, box, alpha=0.16)  # glow around the lit bars
            c.shape(sd_strokes(on, 1.2), lit, box)
            c.shape(sd_strokes(on, 0.35), hexrgb("#FFB09A"), box, alpha=0.6)  # hot core
        else:
            cx = ox + CLOCK_CELL_W / 2
            for cy in (8.5, 15.5):
                c.shape(sd_circle(cx + (12 - cy) * 0.1, cy, 3.2), halo, box, alpha=0.16)
                c.shape(sd_circle(cx + (12 - cy) * 0.1, cy, 1.6), lit, box)
    # a faint reflection across the top of the glass
    c.shape(sd_round_box(0, 0, w, 5, 2), (1.0, 1.0, 1.0), alpha=0.04)
    write_png(path, w, h, c.rows(alpha=True), True)


# --------------------------------------------------- the select-image button
BUTTON_FRAME, BUTTON_FRAMES = 48, 5


def folder_icon(c, ox, oy, dim, disabled):
    """A folder with a photo slipped into it, about 30 x 26, at (ox, oy)."""

    def tone(col):
        col = scale(col, dim)
        return grey(col, 0.85) if disabled else col

    box = bbox(ox - 2, oy - 2, ox + 32, oy + 30)
    back = sd_union(sd_round_box(ox, oy + 5, ox + 30, oy + 26, 2.5), sd_round_box(ox, oy + 2, ox + 12, oy + 8, 2))
    c.shape(back, tone(hexrgb("#C98A22")), box)
    # the photo, tilted a little
    ang = math.radians(-8)
    pcx, pcy = ox + 16, oy + 12

    def rot(px, py):
        dx, dy = px - pcx, py - pcy
        return (pcx + dx * math.cos(ang) - dy * math.sin(ang), pcy + dx * math.sin(ang) + dy * math.cos(ang))

    def unrot(x, y):
        dx, dy = x - pcx, y - pcy
        return (pcx + dx * math.cos(-ang) - dy * math.sin(-ang), pcy + dx * math.sin(-ang) + dy * math.cos(-ang))

    card = sd_polygon([rot(ox + 5, oy + 3), rot(ox + 27, oy + 3), rot(ox + 27, oy + 20), rot(ox + 5, oy + 20)])
    c.shape(card, tone(hexrgb("#F4F1E8")), box)
    inner = sd_polygon([rot(ox + 7, oy + 5), rot(ox + 25, oy + 5), rot(ox + 25, oy + 18), rot(ox + 7, oy + 18)])

    def photo(x, y):
        ux, uy = unrot(x, y)
        hill = oy + 14 - 3.0 * math.sin((ux - ox) * 0.35)
        if uy > hill:
            return tone(mix(hexrgb("#4FA35B"), hexrgb("#2D7040"), (uy - hill) / 5))
        return tone(mix(hexrgb("#6EC3F0"), hexrgb("#B8E4FA"), (uy - oy - 5) / 9))

    c.shape(inner, photo, box)
    sx, sy = rot(ox + 21, oy + 8.5)
    c.shape(sd_circle(sx, sy, 2.0), tone(hexrgb("#FFD34A")), box)
    # the front flap, lighter, slanting down toward the viewer
    front = sd_polygon([(ox + 1.5, oy + 12), (ox + 30.5, oy + 12), (ox + 29, oy + 26), (ox + 0.5, oy + 26)])
    front = sd_intersect(front, sd_round_box(ox - 1, oy + 11, ox + 31, oy + 26, 2.5))

    def flap(x, y):
        return tone(mix(hexrgb("#FFCF6A"), hexrgb("#E8A53A"), (y - oy - 12) / 14))

    c.shape(front, flap, box)
    c.shape(sd_strokes([(ox + 2.5, oy + 13.2, ox + 29.5, oy + 13.2)], 0.5), tone(hexrgb("#FFE7A8")), box, 0.8)


def make_select_image(path):
    s, n = BUTTON_FRAME, BUTTON_FRAMES
    c = Canvas(s * n, s)
    faces = [  # top, bottom, edge, icon brightness, icon drop, disabled
        ("#3E5A76", "#2A3D52", "#5FA8D3", 1.0, 0, False),  # normal
        ("#4D7296", "#34506C", "#8CCBEE", 1.1, 0, False),  # hover
        ("#22323F", "#2E4458", "#5FA8D3", 0.92, 1, False),  # pressed
        ("#33393F", "#2A2F34", "#4A525A", 0.6, 0, True),  # disabled
        ("#3E5A76", "#2A3D52", "#5FA8D3", 1.0, 0, False),  # focus
    ]
    for k, (top, bottom, edge, dim, drop, disabled) in enumerate(faces):
        ox = k * s
        box = (ox, 0, ox + s, s)
        body = sd_round_box(ox + 3, 3, ox + s - 3, s - 3, 8)
        # soft shadow under the button
        c.shape(sd_round_box(ox + 3, 5, ox + s - 3, s - 1.5, 8), (0, 0, 0), box, alpha=0.35)
        c.shape(body, lambda x, y, t=hexrgb(top), b=hexrgb(bottom): mix(t, b, (y - 3) / (s - 6)), box)
        c.shape(lambda x, y, f=body: abs(f(x, y) + 0.6) - 0.6, hexrgb(edge), box, alpha=0.9)  # the edge line
        if k == 2:  # pressed: a shadow along the inner top edge
            c.shape(sd_intersect(body, sd_round_box(ox + 3, 3, ox + s - 3, 9, 4)), (0, 0, 0), box, alpha=0.25)
        else:  # a gloss on the upper half
            c.shape(sd_intersect(body, sd_round_box(ox + 5, 5, ox + s - 5, s / 2, 6)), (1, 1, 1), box,
                    alpha=0.06 if disabled else 0.10)
        folder_icon(c, ox + 9, 10 + drop, dim, disabled)
        if k == 4:  # focus: a glowing ring just inside the edge
            c.shape(lambda x, y, f=body: abs(f(x, y) + 2.2) - 0.8, hexrgb("#BFE6FF"), box, alpha=0.85)
    write_png(path, s * n, s, c.rows(alpha=True), True)


# -------------------------------------------------------------- the two knobs
def make_knob(path, size, cap_light, cap_dark, pointer, ring):
    c = Canvas(size, size)
    m = size / 2.0
    outer = m - 1.0
    # scale ticks around the knob, every 30 degrees, the one at the top longer
    ticks = []
    for k in range(12):
        a = math.radians(k * 30 - 90)
        r0 = outer - (3.2 if k == 0 else 2.2)
        ticks.append((m + r0 * math.cos(a), m + r0 * math.sin(a), m + outer * math.cos(a), m + outer * math.sin(a)))
    c.shape(sd_strokes(ticks, 0.55), hexrgb(ring), alpha=0.9)
    body_r = outer - 4.0
    # drop shadow, knurled rim, then the cap
    c.shape(sd_circle(m + 0.8, m + 1.5, body_r), (0, 0, 0), alpha=0.45)

    def rim(x, y):
        a = math.atan2(y - m, x - m)
        knurl = 0.5 + 0.5 * math.cos(a * 36)
        light = 0.5 + 0.5 * math.cos(a + math.radians(135))  # lit from the top left
        base = mix(hexrgb("#20262C"), hexrgb("#6A747E"), 0.25 + 0.55 * light)
        return scale(base, 0.82 + 0.28 * knurl)

    c.shape(sd_circle(m, m, body_r), rim)
    cap_r = body_r - 3.2
    light, dark = hexrgb(cap_light), hexrgb(cap_dark)

    def cap(x, y):
        # a radial gradient toward the top left, with fine concentric brushing
        dx, dy = (x - m) / cap_r, (y - m) / cap_r
        t = math.hypot(dx + 0.45, dy + 0.55) / 1.6
        brush = 0.03 * math.sin(math.hypot(x - m, y - m) * 5.0)
        return scale(mix(light, dark, t), 1.0 + brush)

    c.shape(sd_circle(m, m, cap_r), cap)
    c.shape(sd_ring(m, m, cap_r, 0.5), (0, 0, 0), alpha=0.35)
    c.shape(sd_ring(m, m - 0.6, cap_r - 0.8, 0.45), (1, 1, 1), alpha=0.18)
    # the pointer: a lit groove from near the centre to the cap's edge, at the top
    groove = [(m, m - cap_r * 0.30, m, m - cap_r + 2.0)]
    c.shape(sd_strokes([(m + 0.5, s[1] + 0.6, m + 0.5, s[3] + 0.6) for s in groove], 1.5), (0, 0, 0), alpha=0.4)
    c.shape(sd_strokes(groove, 1.35), hexrgb(pointer))
    c.shape(sd_strokes(groove, 0.45), (1, 1, 1), alpha=0.55)
    write_png(path, size, size, c.rows(alpha=True), True)


# ------------------------------------------------------ the start-up picture
def value_noise(seed):
    """Smooth 1-D noise: cosine-eased values at whole numbers."""
    import random

    rnd = random.Random(seed)
    table = [rnd.random() for _ in range(512)]

    def f(x):
        i = int(math.floor(x))
        t = x - i
        t = (1 - math.cos(t * math.pi)) / 2
        return table[i % 512] * (1 - t) + table[(i + 1) % 512] * t

    return f


def ridge_line(width, base, amplitude, seed, sharp):
    n = value_noise(seed)
    heights = []
    for x in range(width):
        v = 0.0
        for octave, (freq, amp) in enumerate(((1 / 170.0, 1.0), (1 / 60.0, 0.45), (1 / 21.0, 0.16), (1 / 7.0, 0.05))):
            s = n(x * freq + octave * 37.1)
            if sharp and octave < 2:
                s = 1.0 - abs(2.0 * s - 1.0)  # folded: sharp peaks
            v += s * amp
        heights.append(base - amplitude * v / 1.66)
    return heights


def make_corvel(path):
    import random

    W, H, HORIZON = 800, 600, 404
    sky_stops = [  # (y, colour)
        (0, hexrgb("#0B1433")), (120, hexrgb("#23265A")), (220, hexrgb("#5A3A78")),
        (300, hexrgb("#B65E7C")), (360, hexrgb("#EE9470")), (HORIZON, hexrgb("#FFC680")),
    ]

    def sky(y):
        for k in range(len(sky_stops) - 1):
            (y0, c0), (y1, c1) = sky_stops[k], sky_stops[k + 1]
            if y <= y1:
                return mix(c0, c1, (y - y0) / float(y1 - y0))
        return sky_stops[-1][1]

    sun_x, sun_y, sun_r = 560.0, 250.0, 30.0
    cloud = value_noise(11)
    layers = [  # base, amplitude, seed, sharp, colour top, colour bottom, haze
        (352, 105, 3, True, hexrgb("#A9708E"), hexrgb("#C98A8E"), 0.55),
        (372, 110, 5, True, hexrgb("#6E4A7A"), hexrgb("#8E5F82"), 0.35),
        (392, 80, 8, False, hexrgb("#3E2D57"), hexrgb("#4E3863"), 0.15),
        (410, 40, 13, False, hexrgb("#241D3C"), hexrgb("#2A2244"), 0.0),
    ]
    ridges = [ridge_line(W, b, a, s, sh) for (b, a, s, sh, _, _, _) in layers]
    # the shading of a layer follows its ridge smoothed, so it carries no streaks
    smooth = []
    for r in ridges:
        smooth.append([sum(r[max(0, x - 30):x + 31]) / len(r[max(0, x - 30):x + 31]) for x in range(W)])
    stars = random.Random(7)
    star_map = {}
    for _ in range(140):
        sx, sy = stars.randrange(W), int(stars.random() ** 1.6 * 230)
        star_map[(sx, sy)] = 0.25 + 0.75 * stars.random() ** 3

    top = []  # the scene above the water line, kept for the reflection
    for y in range(HORIZON + 1):
        row = []
        base = sky(y)
        for x in range(W):
            col = base
            # clouds: long thin streaks lit from below by the low sun
            band = math.exp(-((y - 250) / 48.0) ** 2)
            streak = cloud(x / 140.0 + y / 9.0) * cloud(x / 47.0 - y / 5.0 + 3)
            if band > 0.01:
                cl = max(0.0, streak - 0.25) * 1.6 * band
                col = mix(col, mix(hexrgb("#F7A98A"), hexrgb("#FFD8A8"), (y - 200) / 100.0), cl)
            # the sun and its glow
            d = math.hypot(x - sun_x, y - sun_y)
            glow = math.exp(-d / 140.0) * 0.55 + math.exp(-d / 40.0) * 0.35
            col = mix(col, hexrgb("#FFE4A6"), glow)
            if d < sun_r + 1:
                col = mix(col, hexrgb("#FFF4D6"), coverage(d - sun_r))
            s = star_map.get((x, y))
            if s:
                col = mix(col, (1, 1, 1), s * (1 - y / 260.0))
            # the mountain layers, far to near, hazed toward the sky colour
            for k, (b, a, seed, sharp, ctop, cbot, haze) in enumerate(layers):
                ridge = ridges[k][x]
                cov = coverage(ridge - y)
                if cov > 0:
                    t = max(0.0, min(1.0, (y - smooth[k][x] + 30) / 110.0))
                    m = mix(ctop, cbot, t)
                    # the rim of each ridge catches the sunset
                    rim = math.exp(-max(0.0, y - ridge) / 2.5) * 0.35 * (1 - k * 0.2)
                    m = mix(m, hexrgb("#FFB38A"), rim)
                    m = mix(m, sky(min(y, HORIZON)), haze * (1 - t) * 0.6)
                    col = mix(col, m, cov)
            row.append(col)
        top.append(row)

    ripple = value_noise(23)
    sparkle = value_noise(29)
    rows = []
    for y in range(H):
        out = bytearray()
        for x in range(W):
            if y <= HORIZON:
                col = top[y][x]
            else:
                depth = (y - HORIZON) / float(H - HORIZON)
                wobble = (ripple(x / 23.0 + y * 0.9) - 0.5) * (2 + 10 * depth)
                sy = int(round(2 * HORIZON - y + wobble * 0.8))
                sy = max(0, min(HORIZON, sy))
                sx = max(0, min(W - 1, int(round(x + wobble))))
                col = top[sy][sx]
                col = mix(col, hexrgb("#141A33"), 0.28 + 0.45 * depth)  # water darkens the reflection
                # glitter on the sun's path
                if abs(x - sun_x) < 60 + 100 * depth:
                    g = max(0.0, sparkle(x / 2.3 + y * 7.1) * sparkle(y / 1.7 - x * 0.31) - 0.55) * 2.2
                    g *= math.exp(-((x - sun_x) / (22 + 60 * depth)) ** 2) * (1 - depth * 0.5)
                    col = mix(col, hexrgb("#FFE2A8"), g)
            # the near shore, dark, on the left with a few pines
            shore = 548 - 34 * math.exp(-((x - 110) / 150.0) ** 2) + 8 * math.sin(x / 37.0)
            cov = coverage(shore - y)
            if cov > 0:
                col = mix(col, hexrgb("#0C0E1A"), cov)
            # vignette
            vx, vy = (x - W / 2) / (W / 2), (y - H / 2) / (H / 2)
            col = scale(col, 1.0 - 0.22 * (vx * vx + vy * vy) ** 1.4)
            out.extend((byte(col[0] * 255), byte(col[1] * 255), byte(col[2] * 255)))
        rows.append(out)

    # pines on the shore: stacked triangles, drawn on top with anti-aliasing
    c = Canvas(W, H)
    pines = [(40, 520, 78), (68, 512, 96), (97, 518, 70), (150, 516, 84), (182, 524, 58), (700, 552, 44),
             (730, 548, 60), (760, 556, 36)]
    for px, py, ph in pines:
        parts = []
        for k in range(4):
            t0 = k / 4.0
            ty = py - ph * (0.25 + 0.75 * t0)
            half = ph * 0.22 * (1 - t0 * 0.65)
            parts.append(sd_polygon([(px, ty - ph * 0.30), (px + half, ty + ph * 0.08), (px - half, ty + ph * 0.08)]))
        parts.append(sd_round_box(px - 1.2, py - ph * 0.3, px + 1.2, py + 6, 0.5))
        c.shape(sd_union(*parts), hexrgb("#0A0C16"), bbox(px - ph * 0.25, py - ph * 1.1, px + ph * 0.25, py + 8))
    for y in range(H):
        row = rows[y]
        for x in range(W):
            p = c.px[y * W + x]
            if p[3] > 0:
                for k in range(3):
                    row[3 * x + k] = byte((row[3 * x + k] / 255.0 * (1 - p[3]) + p[k] * p[3]) * 255)
    write_png(path, W, H, rows, False)


# ------------------------------------------------------------------ the logo
def logo_glyphs():
    """Strokes of "Pictora", x from 0, baseline at y 22, x-height 9."""
    B, X, C = 22.0, 13.0, 8.0  # baseline, x-height top, cap top
    glyphs = []
    # P
    glyphs.append(([(0, C, 0, B), (0, C, 3.5, C), (0, 15.2, 3.5, 15.2)] + arc(3.5, 11.6, 3.6, -90, 90, 10), 9.0))
    # i
    glyphs.append(([(0, X, 0, B), (0, 9.6, 0, 9.6)], 2.4))
    # c
    glyphs.append((arc(4.2, 17.5, 4.2, 45, 315, 14, 4.5), 8.6))
    # t
    glyphs.append(([(1.6, 9.4, 1.6, 19.6), (-0.4, X, 4.6, X)] + arc(4.4, 19.4, 2.8, 180, 110, 5), 6.4))
    # o
    glyphs.append((arc(4.4, 17.5, 4.4, 0, 360, 18, 4.5), 9.6))
    # r
    glyphs.append(([(0, X, 0, B)] + arc(4.8, 17.6, 4.8, 180, 270, 7, 4.6), 6.2))
    # a
    glyphs.append((arc(4.2, 17.5, 4.2, 0, 360, 18, 4.5) + [(8.4, X, 8.4, B)], 10.0))
    return glyphs


def make_logo(path):
    W, H = 100, 32
    c = Canvas(W, H)
    # the mark: a rounded tile with a small landscape, lit in the skin's blue
    tile = sd_round_box(2, 4, 26, 28, 6)
    c.shape(sd_round_box(2.8, 5.2, 26.8, 29.2, 6), (0, 0, 0), alpha=0.35)
    c.shape(tile, lambda x, y: mix(hexrgb("#7CC4EA"), hexrgb("#2F6F9E"), (y - 4) / 24.0))
    c.shape(sd_intersect(tile, sd_round_box(3, 5, 25, 15, 5)), (1, 1, 1), alpha=0.14)
    mountains = sd_intersect(tile, sd_polygon([(3, 25), (10.5, 14), (15, 19.5), (18.5, 16), (25.5, 25), (25.5, 28), (3, 28)]))
    c.shape(mountains, hexrgb("#F2F8FC"))
    c.shape(sd_circle(19.5, 10.5, 2.6), hexrgb("#FFE28A"))
    # the name
    x = 32.0
    strokes = []
    for segs, advance in logo_glyphs():
        strokes += [(a + x, b, cc + x, d) for (a, b, cc, d) in segs]
        x += advance + 2.2
    shadow = [(a + 0.8, b + 1.0, cc + 0.8, d + 1.0) for (a, b, cc, d) in strokes]
    c.shape(sd_strokes(shadow, 1.25), (0, 0, 0), alpha=0.45)
    c.shape(sd_strokes(strokes, 1.1), lambda px, py: mix(hexrgb("#FFFFFF"), hexrgb("#CFE4F4"), (py - 8) / 14.0))
    write_png(path, W, H, c.rows(alpha=True), True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "Resource")
    os.makedirs(out, exist_ok=True)
    only = set(sys.argv[2:])
    jobs = [
        ("Clock_09_92.png", make_clock),
        ("SelectImage.png", make_select_image),
        ("BTN_Gauge01.png", lambda p: make_knob(p, 44, "#D7DEE4", "#6F7B86", "#5FA8D3", "#5FA8D3")),
        ("BTN_Gauge02.png", lambda p: make_knob(p, 48, "#5A6776", "#1E252D", "#FFB040", "#E0A050")),
        ("Pictora.png", make_logo),
        ("Corvel.png", make_corvel),
    ]
    for name, make in jobs:
        if only and name not in only:
            continue
        make(os.path.join(out, name))
        print(os.path.join(out, name))


if __name__ == "__main__":
    main()
