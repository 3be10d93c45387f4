"""Checks that tools/make_media.py writes well-formed WAV, MIDI and AVI files."""

import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

TOOLS = pathlib.Path(__file__).resolve().parents[2] / 'tools'
sys.dont_write_bytecode = True  # no cache files in the source tree
sys.path.insert(0, str(TOOLS))
import make_media  # noqa: E402


def chunks(data, start, end):
    """The (tag, offset of the data, size) of the RIFF chunks between start and end."""
    found = []
    while start < end:
        tag = data[start:start + 4]
        size = struct.unpack_from('<I', data, start + 4)[0]
        found.append((tag, start + 8, size))
        start += 8 + size + (size & 1)
    return found


class Wave(unittest.TestCase):
    def test_riff_sizes_and_format_describe_the_samples(self):
        data = make_media.wav_bytes(1.5, 8000)
        self.assertEqual(data[:4], b'RIFF')
        self.assertEqual(struct.unpack_from('<I', data, 4)[0], len(data) - 8)
        self.assertEqual(data[8:12], b'WAVE')
        parts = {tag: (offset, size) for tag, offset, size in chunks(data, 12, len(data))}
        offset, size = parts[b'fmt ']
        self.assertEqual(struct.unpack_from('<HHIIHH', data, offset),
                         (1, 1, 8000, 16000, 2, 16))
        self.assertEqual(parts[b'data'][1], 12000 * 2)


class Midi(unittest.TestCase):
    def test_one_format_0_track_that_ends_properly(self):
        data = make_media.midi_bytes()
        self.assertEqual(data[:4], b'MThd')
        self.assertEqual(struct.unpack_from('>IHHH', data, 4), (6, 0, 1, 96))
        self.assertEqual(data[14:18], b'MTrk')
        length = struct.unpack_from('>I', data, 18)[0]
        self.assertEqual(len(data), 22 + length)
        self.assertEqual(data[-3:], b'\xff\x2f\x00')


class Video(unittest.TestCase):
    def setUp(self):
        self.data = make_media.avi_bytes(6, 4, 5, 10)

    def test_headers_give_size_frames_and_32_bits(self):
        data = self.data
        self.assertEqual(data[:4], b'RIFF')
        self.assertEqual(struct.unpack_from('<I', data, 4)[0], len(data) - 8)
        self.assertEqual(data[8:12], b'AVI ')
        top = chunks(data, 12, len(data))
        self.assertEqual([tag for tag, _, _ in top], [b'LIST', b'LIST', b'idx1'])
        hdrl = top[0][1]
        self.assertEqual(data[hdrl:hdrl + 4], b'hdrl')
        inner = chunks(data, hdrl + 4, hdrl + top[0][2])
        avih = inner[0][1]
        (period, _, _, flags, frames, _, streams, _, width, height) = \
            struct.unpack_from('<10I', data, avih)
        self.assertEqual((period, frames, streams, width, height), (100000, 5, 1, 6, 4))
        self.assertTrue(flags & 0x10)  # has an index
        strl = chunks(data, inner[1][1] + 4, inner[1][1] + inner[1][2])
        strh, strf = strl[0][1], strl[1][1]
        self.assertEqual(data[strh:strh + 4], b'vids')
        self.assertEqual(struct.unpack_from('<I', data, strh + 32)[0], 5)  # dwLength
        self.assertEqual(struct.unpack_from('<IiiHHI', data, strf), (40, 6, 4, 1, 32, 0))

    def test_index_offsets_count_from_the_movi_tag(self):
        data = self.data
        top = chunks(data, 12, len(data))
        movi = top[1][1]
        self.assertEqual(data[movi:movi + 4], b'movi')
        idx_offset, idx_size = top[2][1], top[2][2]
        self.assertEqual(idx_size, 5 * 16)
        for entry in range(5):
            tag, flags, offset, size = struct.unpack_from('<4sIII', data, idx_offset + 16 * entry)
            self.assertEqual((tag, flags, size), (b'00db', 0x10, 6 * 4 * 4))
            self.assertEqual(data[movi + offset:movi + offset + 4], b'00db')
            self.assertEqual(struct.unpack_from('<I', data, movi + offset + 4)[0], size)

    def test_no_pixel_is_white(self):
        frame = make_media.frame_pixels(6, 4, 0, 5)
        pixels = [frame[i:i + 3] for i in range(0, len(frame), 4)]
        self.assertEqual(len(pixels), 24)
        self.assertNotIn(b'\xff\xff\xff', pixels)


class CommandLine(unittest.TestCase):
    def run_tool(self, *args):
        return subprocess.run([sys.executable, str(TOOLS / 'make_media.py'), *args],
                              capture_output=True, text=True)

    def test_all_writes_the_five_files(self):
        with tempfile.TemporaryDirectory() as folder:
            self.assertEqual(self.run_tool('all', folder).returncode, 0)
            names = sorted(p.name for p in pathlib.Path(folder).iterdir())
            self.assertEqual(names, ['clip.avi', 'clip.mov', 'long.wav', 'tone.wav', 'tune.mid'])

    def test_sizes_that_are_not_positive_are_refused(self):
        with tempfile.TemporaryDirectory() as folder:
            target = str(pathlib.Path(folder) / 'x.avi')
            result = self.run_tool('avi', target, '--width', '0')
            self.assertEqual(result.returncode, 2)
            self.assertIn('must be positive', result.stderr)
            self.assertFalse(pathlib.Path(target).exists())
            self.assertEqual(self.run_tool('wav', target, '--seconds', '-1').returncode, 2)


if __name__ == '__main__':
    unittest.main()
