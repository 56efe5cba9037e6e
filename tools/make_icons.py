#!/usr/bin/env python3
"""Draws the program's icons and hand cursor and writes them as .ico / .cur.

The windows' and the tray's icon is the 16 x 16, 16-colour pixel art below;
the program file's icon is the same design at 16, 24, 32, 48 and 256 pixels,
32-bit with alpha: the pixel art itself at 16, the shapes below at the larger
sizes (edges on whole pixels, slanted edges smoothed), stored as PNG from 24
on. Run this after changing a picture and commit the regenerated files in
res/ (the build uses the committed files, so it needs no Python):
    python3 tools/make_icons.py res [PREVIEW_DIR]
With PREVIEW_DIR every size of the program icon is also written there as PNG,
to look at.
"""
import math
import struct
import sys
import zlib
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


# The icon's design as shapes on its 16 x 16 grid (a pixel (x, y) covers
# x..x+1, y..y+1), drawn in order, for the larger sizes of the program icon.
def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


RT2 = math.sqrt(2)
ICON_SHAPES = [
    ("k", [(1, 1), (11, 1), (14, 4), (14, 15), (1, 15)]),               # page outline
    ("w", [(2, 2), (10, 2), (10, 5), (13, 5), (13, 14), (2, 14)]),      # page
    ("w", [(11, 2.5), (11, 4), (12.5, 4)]),                             # folded corner
    ("r", rect(3, 4, 8, 5)),                                            # chat lines
    ("b", rect(3, 6, 12, 7)),
    ("l", rect(3, 8, 9, 9)),
    ("r", rect(3, 10, 7, 11)),
    ("b", rect(3, 12, 6, 13)),
    ("k", [(9, 8), (14, 8), (14, 11), (16 + RT2 - 1, 11),               # save arrow outline
           (11.5, 15.5 + RT2), (7 - RT2, 11), (9, 11)]),
    ("n", [(10, 9), (13, 9), (13, 12), (15, 12), (11.5, 15.5), (8, 12), (10, 12)]),
]
PROGRAM_ICON_SIZES = [16, 24, 32, 48, 256]
SUPERSAMPLE = 8


def snap(value, scale):
    """A grid coordinate at `scale` pixels per cell: whole cells land on whole
    pixels, so straight edges stay sharp at every size."""
    return math.floor(value * scale + 0.5) if float(value).is_integer() else value * scale


def coverage(polygon, size):
    """Fraction of each pixel inside the polygon (even-odd), by sampling."""
    n = SUPERSAMPLE
    cover = [0.0] * (size * size)
    edges = list(zip(polygon, polygon[1:] + polygon[:1]))
    for sy in range(size * n):
        y = (sy + 0.5) / n
        xs = sorted(x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                    for (x0, y0), (x1, y1) in edges if (y0 <= y) != (y1 <= y))
        for a, b in zip(xs[0::2], xs[1::2]):
            first, last = max(0, math.ceil(a * n - 0.5)), min(size * n - 1, math.floor(b * n - 0.5))
            for sx in range(first, last + 1):
                cover[(sy // n) * size + sx // n] += 1.0 / (n * n)
    return cover


def palette_rgb(letter):
    return PALETTE[ICON_COLOURS[letter]]


def draw_icon(size):
    """Premultiplied RGBA floats, rows top-down."""
    pixels = [(0.0, 0.0, 0.0, 0.0)] * (size * size)
    if size == 16:
        for y, row in enumerate(ICON):
            for x, c in enumerate(row):
                if c != ".":
                    r, g, b = palette_rgb(c)
                    pixels[y * 16 + x] = (r / 255, g / 255, b / 255, 1.0)
        return pixels
    scale = size / 16
    for letter, shape in ICON_SHAPES:
        r, g, b = (v / 255 for v in palette_rgb(letter))
        cover = coverage([(snap(x, scale), snap(y, scale)) for x, y in shape], size)
        for i, c in enumerate(cover):
            if c > 0:
                c = min(c, 1.0)
                pr, pg, pb, pa = pixels[i]
                pixels[i] = (r * c + pr * (1 - c), g * c + pg * (1 - c), b * c + pb * (1 - c), c + pa * (1 - c))
    return pixels


def straight_rgba(pixels):
    """Rows of (r, g, b, a) bytes, colour no longer premultiplied."""
    out = []
    for r, g, b, a in pixels:
        if a <= 0:
            out.append((0, 0, 0, 0))
        else:
            out.append(tuple(min(255, round(v / a * 255)) for v in (r, g, b)) + (round(a * 255),))
    return out


def png(rgba, size):
    raw = b"".join(b"\0" + bytes(v for px in rgba[y * size:(y + 1) * size] for v in px) for y in range(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib32(rgba, size):
    """32-bit BGRA DIB with its AND mask (set where fully transparent)."""
    rows = [rgba[y * size:(y + 1) * size] for y in range(size)]
    xor_bits = b"".join(bytes(v for r, g, b, a in row for v in (b, g, r, a)) for row in reversed(rows))
    mask_rows = ["".join("." if px[3] == 0 else "k" for px in row) for row in rows]
    and_bits = pack_rows(mask_rows, size, 1, lambda c: 1 if c == "." else 0)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    return header + xor_bits + and_bits


def multi_icon_file(images):
    """ICONDIR with one entry per (size, image bytes); 256 is written as 0."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return head + entries + data


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "res")
    preview = Path(sys.argv[2]) if len(sys.argv) > 2 else None
    out.mkdir(parents=True, exist_ok=True)
    icon = dib(ICON, 16, 16, 4, PALETTE, lambda c: ICON_COLOURS.get(c, 0))
    (out / "orvexlog_window.ico").write_bytes(icon_file(1, icon, 16, 16, 16, 1, 4))
    images = []
    for size in PROGRAM_ICON_SIZES:
        rgba = straight_rgba(draw_icon(size))
        # PNG entries (read by Windows from Vista on) keep the program file
        # small; the 16 one stays a bitmap for readers of the old form.
        images.append((size, dib32(rgba, size) if size == 16 else png(rgba, size)))
        if preview is not None:
            preview.mkdir(parents=True, exist_ok=True)
            (preview / f"program-icon-{size}.png").write_bytes(png(rgba, size))
    (out / "orvexlog.ico").write_bytes(multi_icon_file(images))
    # Monochrome cursor: white = XOR 1 over AND 0, black = 0 over 0,
    # transparent = 0 over AND 1.
    cursor = dib(CURSOR, 32, 32, 1, [(0, 0, 0), (0xFF, 0xFF, 0xFF)],
                 lambda c: 1 if c == "w" else 0)
    (out / "hand.cur").write_bytes(icon_file(2, cursor, 32, 32, 2, *CURSOR_HOTSPOT))


if __name__ == "__main__":
    main()
