#!/usr/bin/env python3
"""Draws the program icon, a page with a folded corner and a coloured suffix
tag, at 64, 48 and 32 pixels with alpha, and writes it twice: as the Windows
icon group BatchSuffix.ico (32-bit images) and as icon-SIZE.png files for the
Linux desktop. Standard library only.

    python3 app/make-icon.py app/BatchSuffix.ico app/icons
"""
import os
import struct
import sys
import zlib

SIZES = (64, 48, 32)
SAMPLES = 4  # per axis, for smooth edges

PAGE = (250, 250, 250)
PAGE_EDGE = (90, 110, 140)
FOLD = (205, 215, 230)
LINES = (170, 185, 205)
TAG = (232, 120, 30)
TAG_TEXT = (255, 255, 255)


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(x, y):
    """The colour at a point of the unit square, or None for transparent."""
    # The tag: a rounded bar over the lower part of the page, with a dot
    # and two letter strokes standing for ".ext".
    if inside_rounded(x, y, 0.30, 0.58, 0.97, 0.88, 0.07):
        if (x - 0.40) ** 2 + (y - 0.80) ** 2 <= 0.035 ** 2:
            return TAG_TEXT
        if 0.50 <= x <= 0.88 and (0.66 <= y <= 0.70 or 0.78 <= y <= 0.82):
            return TAG_TEXT
        return TAG
    # The page with its folded top-right corner.
    left, top, right, bottom, fold = 0.14, 0.06, 0.80, 0.94, 0.20
    if left <= x <= right and top <= y <= bottom:
        if x - (right - fold) > y - top:  # cut off by the fold
            return None
        edge = 0.035
        if x - (right - fold) > y - top - edge * 1.4 and y - top < fold:
            return PAGE_EDGE
        if x >= right - fold and y <= top + fold:
            return FOLD
        if x < left + edge or x > right - edge or y < top + edge or y > bottom - edge:
            return PAGE_EDGE
        if 0.24 <= x <= 0.62 and any(abs(y - line) < 0.018 for line in (0.30, 0.40, 0.50)):
            return LINES
        return PAGE
    return None


def render(size):
    """Rows of BGRA pixels, top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            n = SAMPLES * SAMPLES
            row.append((b // a, g // a, r // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon image: a bottom-up 32-bit DIB followed by its AND mask."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(p) for row in reversed(rows) for px in row for p in [px])
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def png(size):
    """The image as a PNG file: 8-bit RGBA, no filtering."""
    raw = b"".join(b"\0" + bytes(c for b, g, r, a in row for c in (r, g, b, a)) for row in render(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_ico(path):
    images = [icon_image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_pngs(folder):
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        with open(os.path.join(folder, "icon-%d.png" % size), "wb") as f:
            f.write(png(size))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make-icon.py ICO_FILE PNG_FOLDER")
    write_ico(sys.argv[1])
    write_pngs(sys.argv[2])
