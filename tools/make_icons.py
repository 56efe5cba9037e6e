#!/usr/bin/env python3
"""Draws the program's icon and hand cursor and writes them as .ico / .cur.

The pictures are pixel art below; run this after changing one and commit the
regenerated files in res/ (the build uses the committed files, so it needs no
Python):
    python3 tools/make_icons.py res
"""
import struct
import sys
from pathlib import Path

# 16 x 16, 16 colours: a log page with coloured chat lines and a save arrow.
ICON = [
    "................",
    ".kkkkkkkkkk.....",
    ".kwwwwwwwwkk....",
    ".kwwwwwwwwkwk...",
    ".kwrrrrrwwkkkk..",
    ".kwwwwwwwwwwwk..",
    ".kwbbbbbbbbbwk..",
    ".kwwwwwwwwwwwk..",
    ".kwllllllkkkkk..",
    ".kwwwwwwwknnnk..",
    ".kwrrrrwwknnnk..",
    ".kwwwwkkkknnnkkk",
    ".kwbbbkknnnnnnnk",
    ".kwwwwwwknnnnnk.",
    ".kkkkkkkkknnnk..",
    "..........kkk...",
]

# The standard 16-colour palette, in its usual order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
ICON_COLOURS = {"k": 0, "l": 2, "n": 4, "g": 7, "r": 9, "b": 12, "w": 15}

# 32 x 32 monochrome: a white hand with a black outline, the index finger
# pointing up with its tip at the hot spot (0, 0).
CURSOR = [
    "kkkk",
    "kwwk",
    "kwwwk",
    "kwwwk",
    "kwwwk",
    "kwwwk",
    "kwwwk",
    "kwwwkkkk",
    "kwwwkwwwkkk",
    "kwwwkwwwkwwkkk",
    "kwwwkwwwkwwkwwk",
    "kwwwkwwwkwwkwwkk",
    "kwwwkwwwkwwkwwkwk",
    "kwwwwwwwwwwwwwkwk",
    "kwwwwwwwwwwwwwwwk",
    "kwwwwwwwwwwwwwwwk",
    "kwwwwwwwwwwwwwwwk",
    "kwwwwwwwwwwwwwwk",
    ".kwwwwwwwwwwwwwk",
    ".kwwwwwwwwwwwwk",
    "..kwwwwwwwwwwwk",
    "..kwwwwwwwwwwk",
    "..kwwwwwwwwwwk",
    "..kkkkkkkkkkkk",
]
CURSOR_HOTSPOT = (0, 0)


def row_bytes(bits_per_pixel, width):
    return ((width * bits_per_pixel + 31) // 32) * 4


def pack_rows(rows, width, bits_per_pixel, value_of):
    """Bottom-up DIB rows, each padded to 32 bits."""
    out = bytearray()
    stride = row_bytes(bits_per_pixel, width)
    for row in reversed(rows):
        line = bytearray(stride)
        for x in range(width):
            v = value_of(row[x] if x < len(row) else ".")
            bit = x * bits_per_pixel
            shift = 8 - bits_per_pixel - (bit % 8)
            line[bit // 8] |= v << shift
        out += line
    return bytes(out)


def dib(rows, width, height, bits_per_pixel, palette, colour_of):
    """BITMAPINFOHEADER + palette + XOR (colour) bitmap + AND mask."""
    rows = [r.ljust(width, ".") for r in rows] + ["." * width] * (height - len(rows))
    assert all(len(r) == width for r in rows) and len(rows) == height
    xor_bits = pack_rows(rows, width, bits_per_pixel, colour_of)
    and_bits = pack_rows(rows, width, 1, lambda c: 1 if c == "." else 0)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits_per_pixel, 0,
                         len(xor_bits) + len(and_bits), 0, 0, len(palette), 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + pal + xor_bits + and_bits


def icon_file(kind, image, width, height, colours, field1, field2):
    """ICONDIR with one entry; for a cursor the two fields are the hot spot."""
    return (struct.pack("<HHH", 0, kind, 1)
            + struct.pack("<BBBBHHII", width, height, colours, 0, field1, field2, len(image), 22)
            + image)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "res")
    out.mkdir(parents=True, exist_ok=True)
    icon = dib(ICON, 16, 16, 4, PALETTE, lambda c: ICON_COLOURS.get(c, 0))
    (out / "orvexlog.ico").write_bytes(icon_file(1, icon, 16, 16, 16, 1, 4))
    # Monochrome cursor: white = XOR 1 over AND 0, black = 0 over 0,
    # transparent = 0 over AND 1.
    cursor = dib(CURSOR, 32, 32, 1, [(0, 0, 0), (0xFF, 0xFF, 0xFF)],
                 lambda c: 1 if c == "w" else 0)
    (out / "hand.cur").write_bytes(icon_file(2, cursor, 32, 32, 2, *CURSOR_HOTSPOT))


if __name__ == "__main__":
    main()
