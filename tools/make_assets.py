#!/usr/bin/env python3
"""Generates the game's assets: the application icon and the two sounds.
Standard library only; every run writes the same bytes. (The sample pictures
come from tools/bitmaps/make_samples.cpp.)

    python3 tools/make_assets.py [OUTPUT_DIR]     (default: app/assets)

Writes puzzle.ico, move.wav and solved.wav.
"""
import math
import os
import struct
import sys

# ---------------------------------------------------------------- helpers


def mix(a, b, t):
    """Blend colour a towards colour b by t (0..1)."""
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smoothstep(edge0, edge1, x):
    if edge0 == edge1:
        return 0.0 if x < edge0 else 1.0
    t = max(0.0, min(1.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


class Noise:
    """A small deterministic generator (32-bit LCG), so output never varies."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def signed(self):
        return self.next() * 2.0 - 1.0


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
    os.makedirs(out_dir, exist_ok=True)
    write_icon(os.path.join(out_dir, "puzzle.ico"))
    write_wav(os.path.join(out_dir, "move.wav"), move_sound(), 16)
    write_wav(os.path.join(out_dir, "solved.wav"), solved_sound(), 8)


if __name__ == "__main__":
    main()
