#!/usr/bin/env python3
"""Writes the seed pictures of the BMP fuzz target: one small file of each layout.

Usage: python3 tests/tools/make_bmp_seeds.py [OUTPUT_DIR]   (default: tests/fuzz/corpus/bmp)
Rerunning it reproduces the committed seeds byte for byte.
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tools'))
from bmp_writer import bmp as bmp_file, row_stride  # noqa: E402


def bmp(width, height, bits, *, table=None, pixels=None, **layout):
    """A picture whose table and pixels, unless given, are distinct colours and a pattern."""
    if table is None:
        count = layout.get('colours_used') or (1 << bits if bits <= 8 else 0)
        table = [(i * 37 % 251, 255 - i % 256, i * 5 % 200, 0) for i in range(count)]
    if pixels is None:
        row_length = row_stride(width, bits)
        pixels = bytes((x * 7 + y * 3) % 256
                       for y in range(abs(height)) for x in range(row_length))
    return bmp_file(width, height, bits, table, pixels, pels_per_metre=2835, **layout)


SEEDS = {
    'mono_8x2.bmp': bmp(8, 2, 1),
    'vga16_5x3.bmp': bmp(5, 3, 4),
    'grey256_3x3.bmp': bmp(3, 3, 8),
    'topdown_4x-3.bmp': bmp(4, -3, 4),
    'used16_of_256.bmp': bmp(4, 2, 8, colours_used=16),
    'used_above_depth.bmp': bmp(8, 1, 1, colours_used=9, table=[(0, 0, 0, 0), (255, 255, 255, 0)]),
    'reserved_flags.bmp': bmp(8, 1, 1, table=[(10, 20, 30, 1), (40, 50, 60, 4)]),
    'gap_before_pixels.bmp': bmp(4, 2, 4, gap=6),
    'v5_header.bmp': bmp(4, 2, 4, info_size=124),
    'rle8.bmp': bmp(4, 2, 8, compression=1, image_size=8,
                    pixels=bytes([4, 1, 0, 0, 4, 2, 0, 1])),
    'true_colour_2x2.bmp': bmp(2, 2, 24),
    'bitfields_16.bmp': bmp(2, 2, 16, compression=3, gap=12),
    'cut_short.bmp': bmp(4, 4, 8)[:1100],
    'offset_past_end.bmp': bmp(4, 2, 1, offset=0x7FFFFFFF),
    'core_mono_8x2.bmp': bmp(8, 2, 1, info_size=12),
    'core_vga16_5x3.bmp': bmp(5, 3, 4, info_size=12),
    'core_256_3x3.bmp': bmp(3, 3, 8, info_size=12),
    'core_gap_before_pixels.bmp': bmp(4, 2, 4, info_size=12, gap=5),
    'core_true_colour_2x2.bmp': bmp(2, 2, 24, info_size=12),
    'core_cut_short.bmp': bmp(4, 4, 8, info_size=12)[:800],
    'jpeg_inside_24.bmp': bmp(30, 20, 24, compression=4, image_size=8,
                              pixels=b'\xff\xd8\xff\xe0\x00\x10JF'),
}


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parents[1] / 'fuzz' / 'corpus' / 'bmp')
    out.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (out / name).write_bytes(data)


if __name__ == '__main__':
    main()
