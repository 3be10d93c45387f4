"""Writes BMP files and their parts byte by byte: the one Python writer of the project.

The art (tools/make_art.py), the samples (tools/make_samples.py) and the test pictures
(tests/tools) all go through it. Besides plain pictures it can write the unusual layouts
of valid and damaged files: OS/2 1.x core headers, larger info headers, short colour
tables, gaps before the pixels and pixel offsets that point anywhere.
"""

import struct


def row_stride(width, bits_per_pixel):
    """Bytes in one DIB row: rows are padded to a whole number of DWORDs."""
    return (width * bits_per_pixel + 31) // 32 * 4


def info_header(width, height, bits_per_pixel, *, info_size=40, compression=0, image_size=0,
                pels_per_metre=0, colours_used=0):
    """A BITMAPINFOHEADER; the fields of a larger header past the first 40 bytes stay zero."""
    header = struct.pack('<IiiHHIIiiII', info_size, width, height, 1, bits_per_pixel,
                         compression, image_size, pels_per_metre, pels_per_metre,
                         colours_used, 0)
    return header + bytes(info_size - 40)


CORE_HEADER_SIZE = 12


def core_header(width, height, bits_per_pixel):
    """An OS/2 1.x BITMAPCOREHEADER: unsigned 16-bit width and height, one plane, the depth."""
    return struct.pack('<IHHHH', CORE_HEADER_SIZE, width, height, 1, bits_per_pixel)


def colour_table(entries, *, entry_size=4):
    """Table entries as stored (blue, green, red, reserved) from (red, green, blue) or
    (red, green, blue, reserved); with entry_size 3, as after a core header, without the
    reserved byte."""
    return b''.join(struct.pack('<BBBB', blue, green, red, reserved)[:entry_size]
                    for red, green, blue, reserved in (tuple(e) + (0,) * (4 - len(e))
                                                       for e in entries))


def bmp(width, height, bits_per_pixel, table, pixels, *, info_size=40, compression=0,
        image_size=0, pels_per_metre=0, colours_used=0, gap=0, offset=None):
    """The file: file header, info header, colour table, `gap` bytes of 0xEE and the pixels
    as stored. The pixel offset field points at the pixels unless `offset` is given. An
    info_size of 12 writes a core header and its 3-byte table (the fields it lacks unused)."""
    if info_size == CORE_HEADER_SIZE:
        info = core_header(width, height, bits_per_pixel)
        colours = colour_table(table, entry_size=3)
    else:
        info = info_header(width, height, bits_per_pixel, info_size=info_size,
                           compression=compression, image_size=image_size,
                           pels_per_metre=pels_per_metre, colours_used=colours_used)
        colours = colour_table(table)
    pixel_offset = 14 + len(info) + len(colours) + gap
    header = struct.pack('<2sIHHI', b'BM', pixel_offset + len(pixels), 0, 0,
                         pixel_offset if offset is None else offset)
    return header + info + colours + b'\xee' * gap + pixels
