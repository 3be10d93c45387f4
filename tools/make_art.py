#!/usr/bin/env python3
"""Draws the 16-colour bitmaps and icons of VeboWAVE and VeboCALC.

Makes the player's PLAY, PAUSE, STOP and WAVE bitmaps and its icon, and the
calculator's program icon and dialog logo, all in the standard VGA palette.
The art is described here as code so that it can be reviewed and changed like
code; the files it writes are committed too, so that building needs no Python,
and rerunning this script must reproduce them byte for byte.

Usage: python3 tools/make_art.py [OUTPUT_ROOT]   (default: the repository)
"""

import pathlib
import struct
import sys

from bmp_writer import bmp, colour_table, info_header, row_stride

# The 16-colour VGA palette, in palette-index order, as (red, green, blue).
PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)

# Letters used by the ASCII drawings below; '.' leaves a pixel untouched.
COLOUR_KEYS = {
    'k': BLACK, 'm': MAROON, 'g': GREEN, 'o': OLIVE, 'n': NAVY, 'p': PURPLE,
    't': TEAL, 's': SILVER, 'd': GREY, 'r': RED, 'l': LIME, 'y': YELLOW,
    'b': BLUE, 'f': FUCHSIA, 'a': AQUA, 'w': WHITE,
}

BUTTON_SIZE = 20
WAVE_SIZE = 128
ICON_SIZE = 32


class Canvas:
    """A grid of palette indices, top row first; None marks a transparent pixel."""

    def __init__(self, width, height, colour=None):
        self.width = width
        self.height = height
        self.rows = [[colour] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, left, top, width, height, colour):
        for y in range(top, top + height):
            for x in range(left, left + width):
                self.put(x, y, colour)

    def draw(self, left, top, picture):
        """Paints an ASCII drawing whose letters are COLOUR_KEYS."""
        for y, line in enumerate(picture):
            for x, key in enumerate(line):
                if key != '.':
                    self.put(left + x, top + y, COLOUR_KEYS[key])


# ---------------------------------------------------------------------------
# File writers

def pixel_rows(canvas):
    """4-bit pixels, bottom row first; transparent pixels are stored as black."""
    stride = row_stride(canvas.width, 4)
    data = bytearray()
    for row in reversed(canvas.rows):
        indices = [BLACK if colour is None else colour for colour in row]
        if len(indices) % 2:
            indices.append(BLACK)
        line = bytes(high << 4 | low for high, low in zip(indices[::2], indices[1::2]))
        data += line.ljust(stride, b'\0')
    return bytes(data)


def mask_rows(canvas):
    """The icon's AND mask, bottom row first: a set bit lets the desktop show through."""
    stride = row_stride(canvas.width, 1)
    data = bytearray()
    for row in reversed(canvas.rows):
        bits = 0
        for colour in row:
            bits = bits << 1 | (colour is None)
        padding = (8 - canvas.width % 8) % 8
        line = (bits << padding).to_bytes((canvas.width + 7) // 8, 'big')
        data += line.ljust(stride, b'\0')
    return bytes(data)


def bmp_bytes(canvas):
    pixels = pixel_rows(canvas)
    return bmp(canvas.width, canvas.height, 4, PALETTE, pixels, image_size=len(pixels))


def ico_bytes(canvas):
    pixels = pixel_rows(canvas)
    mask = mask_rows(canvas)
    # An icon image's height counts the colour rows and the mask rows together.
    image = (info_header(canvas.width, 2 * canvas.height, 4, image_size=len(pixels) + len(mask))
             + colour_table(PALETTE) + pixels + mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', canvas.width, canvas.height, len(PALETTE), 0,
                        1, 4, len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------------------
# Player buttons

def raised_button():
    """A silver face with the classic two-pixel raised edge of a push button."""
    size = BUTTON_SIZE
    button = Canvas(size, size, SILVER)
    button.fill(0, 0, size - 1, 1, WHITE)
    button.fill(0, 0, 1, size - 1, WHITE)
    button.fill(1, size - 2, size - 2, 1, GREY)
    button.fill(size - 2, 1, 1, size - 2, GREY)
    button.fill(0, size - 1, size, 1, BLACK)
    button.fill(size - 1, 0, 1, size, BLACK)
    return button


# The symbols are 9 pixels tall, centred on the face inside the raised edge
# (which is one pixel thick on the top and left, two on the bottom and right).
SYMBOL_TOP = 5
SYMBOL_HEIGHT = 9


def play_button():
    button = raised_button()
    button.fill(5, SYMBOL_TOP, 2, SYMBOL_HEIGHT, BLACK)
    half = SYMBOL_HEIGHT // 2
    for row in range(SYMBOL_HEIGHT):
        button.fill(9, SYMBOL_TOP + row, half + 1 - abs(row - half), 1, BLACK)
    return button


def pause_button():
    button = raised_button()
    button.fill(5, SYMBOL_TOP, 3, SYMBOL_HEIGHT, BLACK)
    button.fill(11, SYMBOL_TOP, 3, SYMBOL_HEIGHT, BLACK)
    return button


def stop_button():
    button = raised_button()
    button.fill(6, 6, 7, 7, BLACK)
    return button


# ---------------------------------------------------------------------------
# The WAVE picture: four words in white serif letters on an engraved background

# A small serif alphabet, drawn at half size and doubled with Scale2x.  Each
# glyph has 12 rows: capitals and ascenders fill rows 0-8, the x-height is
# rows 3-8 and descenders reach row 11.
GLYPH_ROWS = 12
GLYPHS = {
    'W': (
        "####..####..###",
        ".##....##....#.",
        ".##....##....#.",
        "..##..#.##..#..",
        "..##..#.##..#..",
        "...##.#..##.#..",
        "...##.#..##.#..",
        "....###...###..",
        "....##....##...",
        "...............",
        "...............",
        "...............",
    ),
    'a': (
        ".......",
        ".......",
        ".......",
        ".####..",
        "##..##.",
        "...###.",
        ".##.##.",
        "##..##.",
        ".###.##",
        ".......",
        ".......",
        ".......",
    ),
    'v': (
        ".......",
        ".......",
        ".......",
        "###..##",
        ".##...#",
        ".##..#.",
        "..##.#.",
        "..###..",
        "...#...",
        ".......",
        ".......",
        ".......",
    ),
    'e': (
        "......",
        "......",
        "......",
        ".####.",
        "##..##",
        "######",
        "##....",
        "##...#",
        ".####.",
        "......",
        "......",
        "......",
    ),
    'é': (
        "...##.",
        "..##..",
        "......",
        ".####.",
        "##..##",
        "######",
        "##....",
        "##...#",
        ".####.",
        "......",
        "......",
        "......",
    ),
    'M': (
        "###.....####",
        ".###...###..",
        ".###...###..",
        ".#.##.#.##..",
        ".#.##.#.##..",
        ".#..###.##..",
        ".#..###.##..",
        ".#...#..##..",
        "###..#.####.",
        "............",
        "............",
        "............",
    ),
    'i': (
        ".##.",
        ".##.",
        "....",
        "###.",
        ".##.",
        ".##.",
        ".##.",
        ".##.",
        "####",
        "....",
        "....",
        "....",
    ),
    'd': (
        "....###.",
        ".....##.",
        ".....##.",
        ".###.##.",
        "##..###.",
        "##...##.",
        "##...##.",
        "##..###.",
        ".###.###",
        "........",
        "........",
        "........",
    ),
    'B': (
        "#######..",
        ".##...##.",
        ".##...##.",
        ".##...##.",
        ".######..",
        ".##....##",
        ".##....##",
        ".##....##",
        "#######..",
        ".........",
        ".........",
        ".........",
    ),
    't': (
        ".....",
        "..#..",
        ".##..",
        "#####",
        ".##..",
        ".##..",
        ".##..",
        ".##.#",
        "..##.",
        ".....",
        ".....",
        ".....",
    ),
    'm': (
        ".............",
        ".............",
        ".............",
        "###.##..##...",
        ".###.####.#..",
        ".##...##..##.",
        ".##...##..##.",
        ".##...##..##.",
        "####.####.###",
        ".............",
        ".............",
        ".............",
    ),
    'p': (
        "........",
        "........",
        "........",
        "###.##..",
        ".###.##.",
        ".##...##",
        ".##...##",
        ".###.##.",
        ".##.##..",
        ".##.....",
        ".##.....",
        "####....",
    ),
    'V': (
        "####...###",
        ".##.....#.",
        ".##.....#.",
        "..##...#..",
        "..##...#..",
        "...##.#...",
        "...##.#...",
        "....###...",
        "....##....",
        "..........",
        "..........",
        "..........",
    ),
    'o': (
        "......",
        "......",
        "......",
        ".####.",
        "##..##",
        "##..##",
        "##..##",
        "##..##",
        ".####.",
        "......",
        "......",
        "......",
    ),
}
LETTER_GAP = 1


def word_mask(word):
    """The word's ink at half size, as rows of booleans."""
    glyphs = [GLYPHS[letter] for letter in word]
    rows = []
    for row in range(GLYPH_ROWS):
        line = []
        for glyph in glyphs:
            line += [pixel == '#' for pixel in glyph[row]] + [False] * LETTER_GAP
        rows.append(line[:-LETTER_GAP])
    return rows


def scale2x(rows):
    """Doubles a bitmap, rounding off its diagonal steps (the Scale2x rule)."""
    height, width = len(rows), len(rows[0])

    def at(x, y):
        return 0 <= x < width and 0 <= y < height and rows[y][x]

    doubled = [[False] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            centre = rows[y][x]
            up, down, left, right = at(x, y - 1), at(x, y + 1), at(x - 1, y), at(x + 1, y)
            corners = (centre, centre, centre, centre)
            if up != down and left != right:
                corners = (left if up == left else centre,
                           right if up == right else centre,
                           left if down == left else centre,
                           right if down == right else centre)
            doubled[2 * y][2 * x], doubled[2 * y][2 * x + 1] = corners[0], corners[1]
            doubled[2 * y + 1][2 * x], doubled[2 * y + 1][2 * x + 1] = corners[2], corners[3]
    return doubled


# One period of the background's swell, as vertical offsets in pixels; each
# offset spans two columns, so the swell repeats every 64 pixels.
SWELL = (0, 0, 1, 1, 2, 2, 3, 3, 3, 4, 4, 4, 4, 4, 3, 3,
         3, 2, 2, 1, 1, 0, 0, -1, -1, -1, -2, -2, -2, -2, -1, -1)
ENGRAVING_PITCH = 6


def engraved_background():
    """Grey under black wavy lines, solid and dotted in turn, like an engraved sea."""
    picture = Canvas(WAVE_SIZE, WAVE_SIZE, GREY)
    for y in range(WAVE_SIZE):
        for x in range(WAVE_SIZE):
            phase = (y + SWELL[x // 2 % len(SWELL)]) % ENGRAVING_PITCH
            solid = phase == 0
            dotted = phase == ENGRAVING_PITCH // 2 and x % 2 == 0
            if solid or dotted:
                picture.put(x, y, BLACK)
    return picture


def letter_at(ink, x, y):
    return 0 <= y < len(ink) and 0 <= x < len(ink[0]) and ink[y][x]


def stamp_word(picture, word, top):
    """Centres the word on a line: white letters, silver on their lower right
    edges for relief, a black outline and a drop shadow to lift them off the
    background."""
    ink = scale2x(word_mask(word))
    left = (picture.width - len(ink[0])) // 2
    for y in range(-1, len(ink) + 3):
        for x in range(-1, len(ink[0]) + 3):
            near = any(letter_at(ink, x - dx, y - dy)
                       for dx in (-1, 0, 1, 2) for dy in (-1, 0, 1, 2))
            if near and not letter_at(ink, x, y):
                picture.put(left + x, top + y, BLACK)
    for y, line in enumerate(ink):
        for x, inked in enumerate(line):
            if inked:
                edge = not letter_at(ink, x + 1, y + 1)
                picture.put(left + x, top + y, SILVER if edge else WHITE)


WORDS = ('Wave', 'Midi', 'Bitmap', 'Vidéo')
LINE_PITCH = 31
FIRST_LINE_TOP = 7


def wave_picture():
    picture = engraved_background()
    for line, word in enumerate(WORDS):
        stamp_word(picture, word, FIRST_LINE_TOP + line * LINE_PITCH)
    return picture


# ---------------------------------------------------------------------------
# Icons

# A beamed pair of quavers in yellow, outlined in black.
QUAVERS = (
    "......kkkkkkkkkkkkkk",
    "......kwyyyyyyyyyyyk",
    "......kyyyyyyyyyyyyk",
    "......kyyyyyyyyyyyyk",
    "......kykkkkkkkkkkyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "......kyk........kyk",
    "..kkkkkyk....kkkkkyk",
    ".kyyyyyyk...kyyyyyyk",
    "kywyyyyyk..kywyyyyyk",
    "kyyyyyyyk..kyyyyyyyk",
    "kyyyyyykk..kyyyyyykk",
    ".kyyyykk....kyyyykk.",
    "..kkkk.......kkkk...",
)

# One frame of film: a little landscape under a sky.
FILM_FRAME = (
    "aaaaaaaaaaaa",
    "aaaaaaaayyaa",
    "aaaaaaayyyya",
    "aaaaaaaayyaa",
    "aaaaaaaaaaaa",
    "aaaaaaaaaaaa",
    "aaaagaaaaaaa",
    "aaaggggaaaaa",
    "aagggggggaaa",
    "gggggggggggg",
    "gggggggggggg",
    "gggggggggggg",
)


def player_icon():
    """A strip of film with a pair of quavers over it: sound and pictures."""
    icon = Canvas(ICON_SIZE, ICON_SIZE)
    icon.fill(1, 0, 20, 32, BLACK)
    for top in range(1, 32, 4):
        icon.fill(2, top, 2, 2, SILVER)
        icon.fill(18, top, 2, 2, SILVER)
    icon.draw(5, 2, FILM_FRAME)
    icon.draw(5, 17, FILM_FRAME)
    icon.draw(12, 11, QUAVERS)
    return icon


# Digits for a calculator display, three pixels wide and five tall.
DISPLAY_DIGITS = {
    '0': ("###", "#.#", "#.#", "#.#", "###"),
    '1': (".#.", "##.", ".#.", ".#.", "###"),
    '2': ("###", "..#", "###", "#..", "###"),
    '3': ("###", "..#", ".##", "..#", "###"),
    '.': (".", ".", ".", ".", "#"),
}


def sunken_display(icon, left, top, width, height, screen, digits, lit):
    """A recessed display with its digits set to the right, as calculators show them."""
    icon.fill(left, top, width, height, WHITE)
    icon.fill(left, top, width - 1, height - 1, GREY)
    icon.fill(left + 1, top + 1, width - 2, height - 2, screen)
    digit_right = left + width - 2
    for digit in reversed(digits):
        glyph = DISPLAY_DIGITS[digit]
        digit_left = digit_right - len(glyph[0])
        for y, line in enumerate(glyph):
            for x, pixel in enumerate(line):
                if pixel == '#':
                    icon.put(digit_left + x, top + 2 + y, lit)
        digit_right = digit_left - 1


def calculator_key(icon, left, top, face):
    """A three-by-two key with its shadow below and to the right."""
    icon.fill(left, top, 4, 3, BLACK)
    icon.fill(left, top, 3, 2, face)
    icon.put(left, top, WHITE)


def calculator_icon(screen, digits, lit):
    """A grey pocket calculator with a display and four rows of keys."""
    icon = Canvas(ICON_SIZE, ICON_SIZE)
    icon.fill(3, 0, 26, 32, BLACK)
    icon.fill(4, 1, 24, 30, GREY)
    icon.fill(4, 1, 23, 1, SILVER)
    icon.fill(4, 1, 1, 29, SILVER)
    sunken_display(icon, 7, 3, 19, 9, screen, digits, lit)
    for row in range(4):
        for column in range(4):
            is_clear_key = (row, column) == (0, 3)
            face = RED if is_clear_key else SILVER
            calculator_key(icon, 7 + 5 * column, 14 + 4 * row, face)
    return icon


# ---------------------------------------------------------------------------

ART = {
    'player/resources/play.bmp': lambda: bmp_bytes(play_button()),
    'player/resources/pause.bmp': lambda: bmp_bytes(pause_button()),
    'player/resources/stop.bmp': lambda: bmp_bytes(stop_button()),
    'player/resources/wave.bmp': lambda: bmp_bytes(wave_picture()),
    'player/resources/vebowave.ico': lambda: ico_bytes(player_icon()),
    'calc/resources/vebocalc.ico': lambda: ico_bytes(calculator_icon(BLACK, '123', LIME)),
    'calc/resources/logo.ico': lambda: ico_bytes(calculator_icon(GREEN, '0.', LIME)),
}


def main(argv):
    repository = pathlib.Path(__file__).resolve().parent.parent
    root = pathlib.Path(argv[1]) if len(argv) > 1 else repository
    for name, make in ART.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(make())


if __name__ == '__main__':
    main(sys.argv)
