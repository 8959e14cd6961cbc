#!/usr/bin/env python3
"""Turns a Windows bitmap (8 bits per pixel with a palette, or 24 bits per
pixel) into raw texels for the aurora baseline: RGBA 32-bit floats, little
endian, each channel value c as c / 255 and alpha 1, rows from the bottom, as
the program's texture upload lays them out.
    make_float_texels.py <picture.bmp> <texels.rgba32f>"""
import struct
import sys


def texels(bitmap):
    offset, = struct.unpack_from("<I", bitmap, 10)
    header_size, width, height, _, bits = struct.unpack_from("<IiiHH", bitmap, 14)
    if bits not in (8, 24) or width <= 0 or height <= 0:
        raise SystemExit(f"unsupported bitmap: {width} x {height}, {bits} bits per pixel")
    level = [struct.pack("<f", value / 255) for value in range(256)]
    opaque = struct.pack("<f", 1.0)
    if bits == 8:
        palette_at = 14 + header_size
        palette = [bitmap[palette_at + 4 * i:palette_at + 4 * i + 3] for i in range(256)]
        texel = [level[r] + level[g] + level[b] + opaque for b, g, r in palette]
    stride = (width * bits // 8 + 3) // 4 * 4
    rows = []
    # A bitmap of positive height stores its bottom row first.
    for y in range(height):
        row = bitmap[offset + y * stride:offset + y * stride + width * bits // 8]
        if bits == 8:
            rows.append(b"".join(texel[index] for index in row))
        else:
            rows.append(b"".join(level[row[i + 2]] + level[row[i + 1]] + level[row[i]] + opaque
                                 for i in range(0, len(row), 3)))
    return b"".join(rows)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    with open(sys.argv[1], "rb") as source:
        data = texels(source.read())
    with open(sys.argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
