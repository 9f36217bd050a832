#!/usr/bin/env python3
"""Generates the game's assets: the application icon, the two sounds and the
sample pictures. Standard library only; every run writes the same bytes.

    python3 tools/make_assets.py [OUTPUT_DIR]     (default: app/assets)

Writes puzzle.ico, move.wav, solved.wav and samples/Puzzle1.bmp ... Puzzle3.bmp.
"""
import colorsys
import math
import os
import struct
import sys

# ---------------------------------------------------------------- helpers


def clamp_byte(value):
    return max(0, min(255, int(round(value))))


def mix(a, b, t):
    """Blend colour a towards colour b by t (0..1)."""
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smoothstep(edge0, edge1, x):
    if edge0 == edge1:
        return 0.0 if x < edge0 else 1.0
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def gradient(stops, t):
    """Colour at t along (position, colour) stops sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


class Noise:
    """A small deterministic generator (32-bit LCG), so output never varies."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def signed(self):
        return self.next() * 2.0 - 1.0


# ---------------------------------------------------------------- bitmaps


def write_bmp(path, width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b), y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    padding = b"\0" * (row_size - width * 3)
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((clamp_byte(b), clamp_byte(g), clamp_byte(r)))
        rows.append(bytes(row) + padding)
    data = b"".join(reversed(rows))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


# Puzzle1: mountains at sunset above a lake, pines on the shore.

def sunset_picture():
    width, height, horizon = 480, 360, 236
    sun_x, sun_y, sun_r = 322.0, 168.0, 34.0
    sky = [(0.0, (38, 36, 104)), (0.35, (122, 64, 140)), (0.7, (236, 118, 118)),
           (1.0, (255, 196, 104))]

    def ridge(x, base, parts):
        return base + sum(a * math.sin(x / p + phase) for a, p, phase in parts)

    ridges = [  # (ridge line, colour), far to near
        (lambda x: ridge(x, 170, ((22, 41.0, 0.3), (11, 17.0, 1.7), (5, 7.0, 0.2))),
         (150, 92, 150)),
        (lambda x: ridge(x, 196, ((26, 57.0, 2.1), (9, 23.0, 0.9), (4, 9.0, 2.8))),
         (96, 58, 120)),
        (lambda x: ridge(x, 222, ((12, 71.0, 4.0), (6, 29.0, 1.1))),
         (52, 36, 82)),
    ]

    def above_water(x, y):
        colour = gradient(sky, y / horizon)
        # thin violet cloud bands with wavy edges
        for band_y, band_h, tint in ((52, 7, (150, 86, 160)), (88, 5, (196, 102, 150)),
                                     (120, 4, (240, 150, 130))):
            edge = band_y + 3 * math.sin(x / 23.0 + band_y)
            if abs(y - edge) < band_h and (x + band_y * 3) % 300 < 210:
                colour = mix(colour, tint, 0.7 * (1 - abs(y - edge) / band_h))
        d = math.hypot(x - sun_x, y - sun_y)
        colour = mix(colour, (255, 214, 150), 0.5 * math.exp(-max(0.0, d - sun_r) / 40.0))
        colour = mix(colour, (255, 240, 184), smoothstep(sun_r + 1, sun_r - 1, d))
        for line, tint in ridges:
            colour = mix(colour, tint, smoothstep(line(x) - 0.5, line(x) + 0.5, y))
        return colour

    def pine_cover(x, y):
        """Coverage of the dark pines at the left shore (0..1)."""
        cover = 0.0
        for centre, top, half in ((24, 150, 26), (62, 176, 22), (96, 196, 18),
                                  (128, 214, 13), (452, 190, 20), (476, 170, 24)):
            if y < top or y > 300:
                continue
            # layered triangles: a saw-tooth widening towards the bottom
            depth = y - top
            tooth = (depth % 22) / 22.0
            w = half * (0.35 + 0.65 * min(1.0, depth / 110.0)) * (0.55 + 0.45 * tooth)
            cover = max(cover, smoothstep(w + 0.5, w - 0.5, abs(x - centre)))
            if abs(x - centre) < 2.5 and y > top + 10:
                cover = 1.0
        return cover

    def pixel(x, y):
        if y < horizon:
            colour = above_water(x, y)
        else:
            # the lake mirrors the sky with ripples that grow towards the shore
            depth = y - horizon
            shift = (1.5 + depth / 18.0) * math.sin(y * 0.9 + x / 53.0)
            mirror_y = 2 * horizon - y - 1
            colour = above_water(min(width - 1, max(0, x + shift)), max(0, mirror_y))
            colour = mix(colour, (20, 30, 80), 0.35 + depth / 500.0)
            if int(y * 0.9 + x / 53.0) % 7 == 0:
                colour = mix(colour, (255, 220, 170), 0.18)
        shore = 318 + 14 * math.sin(x / 61.0 + 0.6) + 6 * math.sin(x / 19.0)
        colour = mix(colour, (22, 40, 30), smoothstep(shore - 0.5, shore + 0.5, y))
        colour = mix(colour, (16, 24, 30), pine_cover(x, y))
        return colour

    return width, height, pixel


# Puzzle2: a stained-glass rose window, every cell its own hue and ring.

def rose_window_picture():
    width = height = 400
    cx = cy = 199.5
    ring_width = 38.0

    def star(r, angle, radius, points):
        """1 inside a star with the given number of points."""
        sector = (angle * points / (2 * math.pi)) % 1.0
        return r < radius * (0.5 + 0.5 * abs(1 - 2 * sector))

    def pixel(x, y):
        dx, dy = x - cx, y - cy
        r = math.hypot(dx, dy)
        angle = math.atan2(dy, dx) % (2 * math.pi)
        if r > 5 * ring_width:
            # corners: navy glass with golden diagonal rays
            t = (abs(dx) + abs(dy)) / 400.0
            colour = mix((18, 26, 76), (40, 60, 130), t)
            ray = (math.degrees(angle) + 0.0) % 15.0
            if ray < 1.2 and r > 5 * ring_width + 6:
                colour = mix(colour, (230, 190, 90), 0.8)
            return mix(colour, (28, 22, 18), smoothstep(5 * ring_width + 4,
                                                         5 * ring_width + 1, r))
        ring = int(r / ring_width)
        segments = 8 + 6 * ring
        segment = int(angle * segments / (2 * math.pi))
        hue = ((segment + 0.5) / segments + ring * 0.09) % 1.0
        value = 1.0 - 0.09 * ring
        red, green, blue = colorsys.hsv_to_rgb(hue, 0.72, value)
        colour = (red * 255, green * 255, blue * 255)
        if ring == 0:
            colour = (250, 216, 96) if star(r, angle + 0.2, 34.0, 8) else (170, 40, 46)
        # a lighter glint towards the top-left of every pane
        local = (r % ring_width) / ring_width
        colour = mix(colour, (255, 255, 255), 0.22 * (1 - local) * (0.5 - 0.5 * dy / (r + 1)))
        # dark lead between rings and between panes
        lead = abs(r - round(r / ring_width) * ring_width)
        pane_edge = abs((angle * segments / (2 * math.pi)) % 1.0 - 0.5)
        edge_distance = (0.5 - pane_edge) * 2 * math.pi * r / segments
        if ring > 0:
            lead = min(lead, edge_distance)
        return mix(colour, (28, 22, 18), smoothstep(2.6, 1.2, lead))

    return width, height, pixel


# Puzzle3: a house on a meadow, a tree, clouds and a path.

def meadow_picture():
    width, height = 448, 336
    noise = Noise(2024)
    flowers = [(noise.next() * width, 262 + noise.next() * 74,
                ((230, 60, 70), (250, 220, 60), (250, 250, 250), (170, 90, 200))[int(noise.next() * 4)])
               for _ in range(90)]
    clouds = [(96, 58, 26), (124, 50, 30), (152, 60, 22), (300, 86, 20), (324, 76, 26),
              (350, 88, 18)]

    def hill(x, base, amp, period, phase):
        return base + amp * math.sin(x / period + phase)

    def pixel(x, y):
        colour = gradient([(0.0, (84, 150, 226)), (1.0, (196, 228, 250))], y / 220.0)
        d_sun = math.hypot(x - 400, y - 44)
        colour = mix(colour, (255, 236, 120), smoothstep(27, 25, d_sun))
        colour = mix(colour, (255, 250, 200), 0.4 * math.exp(-max(0.0, d_sun - 26) / 16.0))
        for cx, cy, cr in clouds:
            d = math.hypot(x - cx, (y - cy) * 1.3)
            shade = 0.86 + 0.14 * (cy - y) / cr
            colour = mix(colour, (255 * shade, 255 * shade, 255 * min(1.0, shade + 0.05)),
                         smoothstep(cr + 1, cr - 1, d))
        far = hill(x, 190, 16, 70.0, 0.4)
        colour = mix(colour, (120, 180, 100), smoothstep(far - 0.5, far + 0.5, y))
        near = hill(x, 236, 10, 110.0, 2.0)
        colour = mix(colour, (72, 150, 60), smoothstep(near - 0.5, near + 0.5, y))
        if y > near:
            stripe = math.sin(x / 9.0 + y / 3.0)
            colour = mix(colour, (60, 128, 48), 0.25 * max(0.0, stripe))
        # the path from the door, widening towards the viewer
        if y > 262:
            t = (y - 262) / 74.0
            left, right = 206 - 60 * t - 12 * math.sin(t * 3), 236 + 70 * t - 12 * math.sin(t * 3)
            colour = mix(colour, (214, 186, 130), smoothstep(left - 0.5, left + 0.5, x)
                         * smoothstep(right + 0.5, right - 0.5, x))
        # the house: walls, roof, door, windows, chimney
        if 150 <= x < 290 and 180 <= y < 262:
            colour = (240, 226, 190) if (y // 8) % 2 else (232, 216, 176)
            if 206 <= x < 236 and 212 <= y:
                colour = (120, 70, 40) if x != 230 or y != 238 else (240, 210, 80)
            for wx in (164, 252):
                if wx <= x < wx + 26 and 198 <= y < 224:
                    frame = x in (wx, wx + 1, wx + 12, wx + 13, wx + 24, wx + 25) or \
                        y in (198, 199, 210, 211, 222, 223)
                    colour = (250, 250, 245) if frame else (110, 170, 230)
        if 252 <= x < 270 and 120 <= y < 160:
            colour = (150, 60, 50) if (y // 6 + x // 9) % 2 else (170, 74, 60)
        roof_top = 120 + abs(x - 220) * 0.62
        if 140 <= x < 300 and roof_top <= y < 182:
            colour = (196, 52, 44) if (int(y - roof_top) // 7) % 2 else (176, 40, 36)
        # the tree: trunk and a crown of three discs
        if 354 <= x < 368 and 196 <= y < 270:
            colour = (110, 74, 44)
        for cx, cy, cr, tint in ((348, 170, 30, (40, 120, 50)), (378, 164, 32, (46, 132, 56)),
                                 (362, 138, 30, (60, 150, 66))):
            colour = mix(colour, tint, smoothstep(cr + 1, cr - 1, math.hypot(x - cx, y - cy)))
        for fx, fy, tint in flowers:
            if abs(x - fx) < 2.2 and abs(y - fy) < 2.2:
                colour = tint
        return colour

    return width, height, pixel


# ---------------------------------------------------------------- icon

VGA_PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
               (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128),
               (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
               (0, 255, 255), (255, 255, 255)]


def cube_palette():
    levels = (0, 51, 102, 153, 204, 255)
    palette = [(r, g, b) for r in levels for g in levels for b in levels]
    palette += [(v, v, v) for v in range(8, 248, 6)][:256 - len(palette)]
    return palette


def icon_pixels(size, vivid):
    """A 3×3 board of bevelled tiles with the bottom-right cell empty."""
    soft = [(70, 140, 230), (110, 190, 250), (255, 210, 60),
            (90, 190, 80), (40, 110, 200), (230, 90, 70),
            (60, 150, 60), (200, 150, 80)]
    strong = [(0, 0, 255), (0, 255, 255), (255, 255, 0),
              (0, 255, 0), (0, 0, 128), (255, 0, 0),
              (0, 128, 0), (128, 128, 0)]
    colours = strong if vivid else soft
    bounds = [round(i * (size - 1) / 3) for i in range(4)]
    line = (128, 128, 128) if vivid else (96, 96, 96)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if x in bounds or y in bounds:
                row.append(line)
                continue
            col = max(i for i in range(3) if bounds[i] < x)
            r = max(i for i in range(3) if bounds[i] < y)
            tile = r * 3 + col
            if tile == 8:
                row.append((0, 0, 0))
                continue
            colour = colours[tile]
            if bounds[col + 1] - bounds[col] > 6:
                if x == bounds[col] + 1 or y == bounds[r] + 1:
                    colour = (255, 255, 255) if vivid else mix(colour, (255, 255, 255), 0.55)
                elif x == bounds[col + 1] - 1 or y == bounds[r + 1] - 1:
                    colour = (0, 0, 0) if vivid else mix(colour, (0, 0, 0), 0.45)
            row.append(colour)
        rows.append(row)
    return rows


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def icon_image(size, bits):
    palette = VGA_PALETTE if bits == 4 else cube_palette()
    rows = icon_pixels(size, bits == 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    xor_stride = ((size * bits + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    for row in reversed(rows):
        indices = [nearest(palette, c) for c in row]
        if bits == 4:
            packed = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        else:
            packed = bytes(indices)
        xor += packed + b"\0" * (xor_stride - len(packed))
    mask = b"\0" * (and_stride * size)  # every pixel opaque
    return header + colour_table + bytes(xor) + mask


def write_icon(path):
    formats = [(16, 4), (32, 4), (32, 8), (48, 4), (48, 8)]
    images = [icon_image(size, bits) for size, bits in formats]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for (size, bits), image in zip(formats, images):
        colours = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits,
                                 len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(directory + b"".join(images))


# ---------------------------------------------------------------- sounds

RATE = 22050


def write_wav(path, samples, bits):
    """Mono PCM; samples are floats in -1..1."""
    if bits == 16:
        data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767)))))
                        for s in samples)
    else:
        data = bytes(max(0, min(255, 128 + int(round(s * 127)))) for s in samples)
    if len(data) % 2:
        data_chunk = data + b"\0"
    else:
        data_chunk = data
    block = bits // 8
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * block, block, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + \
        b"data" + struct.pack("<I", len(data)) + data_chunk
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def normalise(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples]


def fade_out(samples, seconds):
    n = int(seconds * RATE)
    for i in range(n):
        samples[-1 - i] *= i / n
    return samples


def move_sound():
    """A soft wooden slide: a short brushed noise, then a muted knock."""
    count = int(0.57 * RATE)
    noise = Noise(109)
    low = band = 0.0
    samples = []
    for i in range(count):
        t = i / RATE
        # brushed noise, low-pass filtered twice, swelling and fading over 0.12 s
        low += 0.18 * (noise.signed() - low)
        band += 0.3 * (low - band)
        brush = band * smoothstep(0.0, 0.02, t) * smoothstep(0.13, 0.04, t) * 1.6
        # the knock when the tile arrives
        k = t - 0.105
        knock = 0.0
        if k >= 0:
            knock = (math.sin(2 * math.pi * 420 * k) * 0.8 +
                     math.sin(2 * math.pi * 910 * k) * 0.3) * math.exp(-k * 38.0)
            knock *= smoothstep(0.0, 0.002, k)
        samples.append(brush + knock)
    return fade_out(normalise(samples, 0.45), 0.05)


def solved_sound():
    """A rising chime: a bell-like arpeggio C–E–G–C."""
    count = int(1.26 * RATE)
    notes = ((0.00, 523.25), (0.13, 659.26), (0.26, 783.99), (0.39, 1046.50))
    samples = []
    for i in range(count):
        t = i / RATE
        s = 0.0
        for start, freq in notes:
            u = t - start
            if u < 0:
                continue
            envelope = smoothstep(0.0, 0.004, u) * math.exp(-u * 3.2)
            s += envelope * (math.sin(2 * math.pi * freq * u) +
                             0.35 * math.sin(2 * math.pi * 2 * freq * u) * math.exp(-u * 4.0) +
                             0.12 * math.sin(2 * math.pi * 3.01 * freq * u) * math.exp(-u * 7.0))
        samples.append(s)
    return fade_out(normalise(samples, 0.8), 0.12)


# ---------------------------------------------------------------- main


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "app", "assets")
    samples_dir = os.path.join(out_dir, "samples")
    os.makedirs(samples_dir, exist_ok=True)
    write_icon(os.path.join(out_dir, "puzzle.ico"))
    write_wav(os.path.join(out_dir, "move.wav"), move_sound(), 16)
    write_wav(os.path.join(out_dir, "solved.wav"), solved_sound(), 8)
    for number, picture in enumerate((sunset_picture, rose_window_picture, meadow_picture), 1):
        width, height, pixel = picture()
        write_bmp(os.path.join(samples_dir, "Puzzle%d.bmp" % number), width, height, pixel)


if __name__ == "__main__":
    main()
