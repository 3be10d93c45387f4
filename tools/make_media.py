#!/usr/bin/env python3
"""Writes small media files for the player's tests and samples, byte by byte.

  make_media.py wav PATH [--seconds S] [--rate HZ]
  make_media.py avi PATH [--width W] [--height H] [--frames N] [--fps F]
  make_media.py mid PATH
  make_media.py all FOLDER      tone.wav (2 s), long.wav (8 s), clip.avi (64x48, 3 s),
                                tune.mid, and clip.mov (not a real movie: no device takes it)

WAV: 16-bit mono PCM, a 440 Hz tone. MIDI: format 0, one track of a few notes.
AVI: uncompressed 32-bit frames (the AVI player of Wine garbles 24-bit ones), bottom-up,
with an idx1 index whose offsets count from the 'movi' tag. Every frame is a colour ramp
(red across, green down) whose blue part grows from frame to frame, so no pixel is white.
"""

import argparse
import math
import pathlib
import struct
import sys


def chunk(tag, data):
    """A RIFF chunk: tag, little-endian size, data, padded to an even length."""
    pad = b'\0' if len(data) % 2 else b''
    return tag + struct.pack('<I', len(data)) + data + pad


def riff_list(kind, tag, parts):
    return chunk(kind, tag + b''.join(parts))


def wav_bytes(seconds=2.0, rate=22050, frequency=440):
    count = int(seconds * rate)
    samples = b''.join(
        struct.pack('<h', int(12000 * math.sin(2 * math.pi * frequency * i / rate)))
        for i in range(count))
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * 2, 2, 16)
    return riff_list(b'RIFF', b'WAVE', [chunk(b'fmt ', fmt), chunk(b'data', samples)])


def midi_bytes():
    def var_length(value):
        out = [value & 0x7F]
        value >>= 7
        while value:
            out.insert(0, 0x80 | (value & 0x7F))
            value >>= 7
        return bytes(out)

    events = bytearray()
    events += b'\x00\xff\x51\x03' + (500000).to_bytes(3, 'big')  # 120 beats a minute
    events += b'\x00\xc0\x00'  # piano on channel 1
    for note in (60, 64, 67, 72):
        events += b'\x00\x90' + bytes([note, 96])
        events += var_length(96) + b'\x80' + bytes([note, 0])
    events += b'\x00\xff\x2f\x00'
    header = struct.pack('>HHH', 0, 1, 96)
    return b'MThd' + struct.pack('>I', len(header)) + header + \
        b'MTrk' + struct.pack('>I', len(events)) + bytes(events)


def frame_pixels(width, height, index, frames):
    """One bottom-up frame of 32-bit BGRX pixels."""
    blue = 40 + 200 * index // max(frames - 1, 1)
    rows = []
    for y in range(height - 1, -1, -1):
        green = 30 + 200 * y // max(height - 1, 1)
        rows.append(b''.join(
            bytes((blue, green, 30 + 200 * x // max(width - 1, 1), 0)) for x in range(width)))
    return b''.join(rows)


def avi_bytes(width=64, height=48, frames=20, fps=10):
    frame_size = width * height * 4
    avih = struct.pack('<IIIIIIIIII16x', 1000000 // fps, frame_size * fps, 0, 0x10, frames, 0,
                       1, frame_size, width, height)
    strh = b'vids' + b'DIB ' + struct.pack('<IHHIIIIIIIIhhhh', 0, 0, 0, 0, 1, fps, 0, frames,
                                            frame_size, 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 0, frame_size, 0, 0, 0, 0)
    hdrl = riff_list(b'LIST', b'hdrl', [
        chunk(b'avih', avih),
        riff_list(b'LIST', b'strl', [chunk(b'strh', strh), chunk(b'strf', strf)]),
    ])
    data_chunks = [chunk(b'00db', frame_pixels(width, height, i, frames)) for i in range(frames)]
    movi = riff_list(b'LIST', b'movi', data_chunks)
    index = bytearray()
    offset = 4  # from the 'movi' tag to the first chunk's header
    for piece in data_chunks:
        index += b'00db' + struct.pack('<III', 0x10, offset, frame_size)
        offset += len(piece)
    return riff_list(b'RIFF', b'AVI ', [hdrl, movi, chunk(b'idx1', bytes(index))])


def write(path, data):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def write_all(folder):
    folder = pathlib.Path(folder)
    write(folder / 'tone.wav', wav_bytes(2.0))
    write(folder / 'long.wav', wav_bytes(8.0))
    write(folder / 'clip.avi', avi_bytes(frames=30))
    write(folder / 'tune.mid', midi_bytes())
    # Named like a movie, but no MCI device takes the extension.
    write(folder / 'clip.mov', avi_bytes(8, 8, 2, 10))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest='command', required=True)
    wav = commands.add_parser('wav')
    wav.add_argument('path')
    wav.add_argument('--seconds', type=float, default=2.0)
    wav.add_argument('--rate', type=int, default=22050)
    avi = commands.add_parser('avi')
    avi.add_argument('path')
    avi.add_argument('--width', type=int, default=64)
    avi.add_argument('--height', type=int, default=48)
    avi.add_argument('--frames', type=int, default=20)
    avi.add_argument('--fps', type=int, default=10)
    mid = commands.add_parser('mid')
    mid.add_argument('path')
    everything = commands.add_parser('all')
    everything.add_argument('folder')
    args = parser.parse_args(argv)
    if args.command == 'wav':
        if args.seconds <= 0 or args.rate <= 0:
            parser.error('seconds and rate must be positive')
        write(args.path, wav_bytes(args.seconds, args.rate))
    elif args.command == 'avi':
        if min(args.width, args.height, args.frames, args.fps) <= 0:
            parser.error('width, height, frames and fps must be positive')
        write(args.path, avi_bytes(args.width, args.height, args.frames, args.fps))
    elif args.command == 'mid':
        write(args.path, midi_bytes())
    else:
        write_all(args.folder)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
