#!/usr/bin/env python3
"""Writes the sample files that `tools/run` shows when it is given no file.

sample.bmp is an 8-bit picture (256-colour palette) of 240 by 160 pixels: colour ramps
under a ring, so that a wrong palette, a flipped row order or a cut edge is easy to see.
"""
import math
import os
import struct
import sys


def palette_256():
    entries = []
    for i in range(256):
        # Three ramps: warm, cool and grey, so that neighbouring indices look alike.
        if i < 96:
            rgb = (i * 255 // 95, i * 160 // 95, 40)
        elif i < 192:
            k = i - 96
            rgb = (20, k * 200 // 95, 80 + k * 175 // 95)
        else:
            g = (i - 192) * 255 // 63
            rgb = (g, g, g)
        entries.append(rgb)
    return entries


def sample_pixels(width, height):
    rows = []
    cx, cy = width / 2, height / 2
    for y in range(height):  # top row first
        row = bytearray()
        for x in range(width):
            r = math.hypot(x - cx, y - cy)
            if 50 <= r <= 62:
                row.append(192 + int(63 * (r - 50) / 12))
            elif y < height // 2:
                row.append(x * 95 // (width - 1))
            else:
                row.append(96 + x * 95 // (width - 1))
        rows.append(bytes(row))
    return rows


def write_bmp8(path, width, height, palette, rows):
    stride = (width + 3) & ~3
    pixels = b"".join(r + bytes(stride - width) for r in reversed(rows))  # bottom-up
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(table)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + table + pixels)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    write_bmp8(os.path.join(out, "sample.bmp"), 240, 160, palette_256(), sample_pixels(240, 160))


if __name__ == "__main__":
    main()
