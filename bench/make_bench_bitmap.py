#!/usr/bin/env python3
"""Writes bench_1024_8bit.bmp: a 1024 x 1024 bitmap with a grey palette, the
size and kind of the larger noise texture, with a smooth pattern that keeps
the file small in the repository. The output is the same every time."""
import os
import struct

SIDE = 1024


def main():
    palette = b"".join(bytes((i, i, i, 0)) for i in range(256))
    pixels = b"".join(bytes((x + 2 * y) // 8 % 256 for x in range(SIDE)) for y in range(SIDE))
    info = struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "bench_1024_8bit.bmp"), "wb") as out:
        out.write(header + info + palette + pixels)


if __name__ == "__main__":
    main()
