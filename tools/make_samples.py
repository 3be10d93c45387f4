#!/usr/bin/env python3
"""Writes the sample files that `tools/run` shows: sample.bmp, sample.wav, sample.avi and
sample.mid, into the folder given (default: the current folder).

sample.bmp is an 8-bit picture (256-colour palette) of 240 by 160 pixels: colour ramps
under a ring, so that a wrong palette, a flipped row order or a cut edge is easy to see.
The sound and video come from the media generator, tools/make_media.py.
"""
import math
import pathlib
import sys

from bmp_writer import bmp
from make_media import avi_bytes, midi_bytes, wav_bytes, write


def palette_256():
    """Three ramps, warm, cool and grey, so that neighbouring indices look alike."""
    entries = []
    for i in range(256):
        if i < 96:
            rgb = (i * 255 // 95, i * 160 // 95, 40)
        elif i < 192:
            k = i - 96
            rgb = (20, k * 200 // 95, 80 + k * 175 // 95)
        else:
            g = (i - 192) * 255 // 63
            rgb = (g, g, g)
        entries.append(rgb + (0,))
    return entries


def sample_rows(width, height):
    """Bottom-up rows of palette indices (width is a multiple of 4: no row padding)."""
    cx, cy = width / 2, height / 2
    rows = []
    for y in reversed(range(height)):
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
    return b"".join(rows)


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    write(out / "sample.bmp", bmp(240, 160, 8, palette_256(), sample_rows(240, 160),
                                  pels_per_metre=2835))
    write(out / "sample.wav", wav_bytes(3.0))
    write(out / "sample.avi", avi_bytes(160, 120, frames=40, fps=10))
    write(out / "sample.mid", midi_bytes())


if __name__ == "__main__":
    main()
