"""Checks that tools/make_art.py reproduces the committed art in the right formats."""

import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUTTONS = ('player/resources/play.bmp', 'player/resources/pause.bmp',
           'player/resources/stop.bmp')
BITMAPS = BUTTONS + ('player/resources/wave.bmp',)
ICONS = ('player/resources/vebowave.ico', 'calc/resources/vebocalc.ico',
         'calc/resources/logo.ico')

# The standard VGA colours as stored in a DIB colour table: blue, green, red, 0.
VGA_TABLE = bytes.fromhex(
    '00000000 00008000 00800000 00808000 80000000 80008000 80800000 c0c0c000'
    '80808000 0000ff00 00ff0000 00ffff00 ff000000 ff00ff00 ffff0000 ffffff00')
BLACK, SILVER, GREY, WHITE = 0, 7, 8, 15


def read_info_header(dib):
    (size, width, height, planes, bit_count, compression,
     image_size, _, _, used, _) = struct.unpack_from('<IiiHHIIiiII', dib)
    return dict(size=size, width=width, height=height, planes=planes,
                bit_count=bit_count, compression=compression,
                image_size=image_size, used=used)


def bitmap_pixels(bmp):
    """The palette indices of a 4-bit BMP, top row first."""
    header = read_info_header(bmp[14:])
    width, height = header['width'], header['height']
    stride = (width * 4 + 31) // 32 * 4
    rows = []
    for row in range(height):
        start = 118 + row * stride
        line = bmp[start:start + (width + 1) // 2]
        rows.insert(0, [nibble for byte in line for nibble in (byte >> 4, byte & 15)][:width])
    return rows


class MakeArtTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        subprocess.run([sys.executable, str(ROOT / 'tools/make_art.py'), cls.scratch.name],
                       check=True)
        cls.files = {name: (pathlib.Path(cls.scratch.name) / name).read_bytes()
                     for name in BITMAPS + ICONS}

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_regenerates_the_committed_files(self):
        for name, data in self.files.items():
            with self.subTest(name):
                self.assertEqual(data, (ROOT / name).read_bytes())

    def test_bitmaps_are_4_bit_with_the_vga_table(self):
        for name in BITMAPS:
            with self.subTest(name):
                bmp = self.files[name]
                side = 20 if name in BUTTONS else 128
                stride = 12 if side == 20 else 64
                self.assertEqual(len(bmp), 14 + 40 + 64 + stride * side)
                self.assertEqual(bmp[:2], b'BM')
                self.assertEqual(struct.unpack_from('<II', bmp, 2)[0], len(bmp))
                self.assertEqual(struct.unpack_from('<I', bmp, 10)[0], 118)
                self.assertEqual(read_info_header(bmp[14:]), dict(
                    size=40, width=side, height=side, planes=1, bit_count=4,
                    compression=0, image_size=stride * side, used=0))
                self.assertEqual(bmp[54:118], VGA_TABLE)

    def test_bitmaps_use_only_black_silver_grey_and_white(self):
        for name in BITMAPS:
            with self.subTest(name):
                colours = {pixel for row in bitmap_pixels(self.files[name]) for pixel in row}
                self.assertLessEqual(colours, {BLACK, SILVER, GREY, WHITE})

    def test_buttons_are_raised(self):
        for name in BUTTONS:
            with self.subTest(name):
                rows = bitmap_pixels(self.files[name])
                self.assertEqual(set(rows[0][:19]) | {row[0] for row in rows[:19]}, {WHITE})
                self.assertEqual(set(rows[19]) | {row[19] for row in rows}, {BLACK})
                self.assertEqual(set(rows[18][1:19]) | {row[18] for row in rows[1:19]}, {GREY})
                self.assertEqual(rows[1][1], SILVER)
                self.assertIn(BLACK, rows[9][5:14])

    def test_icons_hold_one_32_pixel_16_colour_image(self):
        for name in ICONS:
            with self.subTest(name):
                ico = self.files[name]
                self.assertEqual(len(ico), 6 + 16 + 744)
                self.assertEqual(struct.unpack_from('<HHH', ico), (0, 1, 1))
                self.assertEqual(struct.unpack_from('<BBBBHHII', ico, 6),
                                 (32, 32, 16, 0, 1, 4, 744, 22))
                self.assertEqual(read_info_header(ico[22:]), dict(
                    size=40, width=32, height=64, planes=1, bit_count=4,
                    compression=0, image_size=512 + 128, used=0))
                self.assertEqual(ico[62:126], VGA_TABLE)


if __name__ == '__main__':
    unittest.main()
