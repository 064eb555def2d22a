#!/usr/bin/env python3
"""Draws the program icon and writes it as an .ico file of 32-bit PNG images.

The picture: a square with rounded corners that fills the image, a border band of
RGB(0,116,158) one thirteenth of the side wide, an inner face of RGB(0,140,182), and a centred
white plus whose bars are 42/256 of the side thick and 132/256 long (at 256 pixels: from pixel 62
to pixel 193). Edges are antialiased by 4 x 4 supersampling.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
BORDER = (0, 116, 158)
FACE = (0, 140, 182)
PLUS = (255, 255, 255)
SAMPLES = 4


def inside_rounded(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def sample(x, y, side):
    """Colour and coverage of one point of the picture, in pixel units."""
    band = side / 13.0
    radius = side * 0.19
    if not inside_rounded(x, y, 0, 0, side, side, radius):
        return None
    thick = side * 42.0 / 256.0
    half_length = side * 132.0 / 256.0 / 2.0
    centre = side / 2.0
    on_bar = (abs(x - centre) <= thick / 2 and abs(y - centre) <= half_length) or (
        abs(y - centre) <= thick / 2 and abs(x - centre) <= half_length)
    if on_bar:
        return PLUS
    inner = inside_rounded(x, y, band, band, side - band, side - band, max(radius - band, 0))
    return FACE if inner else BORDER


def render(side):
    rows = []
    for py in range(side):
        row = bytearray([0])  # PNG filter type: none
        for px in range(side):
            r = g = b = covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = sample(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES, side)
                    if colour is not None:
                        covered += 1
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
            if covered:
                row += bytes((r // covered, g // covered, b // covered,
                              covered * 255 // (SAMPLES * SAMPLES)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(side, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    images = [png(side, render(side)) for side in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for side, image in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", side % 256, side % 256, 0, 0, 1, 32, len(image),
                                 offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + b"".join(images))


if __name__ == "__main__":
    main()
