#!/usr/bin/env python3
"""Draws Sashlet's cursors and icon and writes them as .cur and .ico files.

Usage: make_images.py OUTPUT_DIR

The pictures are defined here in code, so the binary files are never checked
in: the build runs this script, and the same script always gives the same bytes.
"""
import struct
import sys
from pathlib import Path

SIZE = 32

# Cursor pixels: None is transparent, 0 black, 1 white.
def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def push_right_cursor():
    """Two vertical lines at the left and an arrow pointing right."""
    img = blank()

    def put(x, y, v):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            img[y][x] = v

    # Draw the white outline first, then the black shape over it.
    shape = set()
    for y in range(SIZE):
        for x in (0, 1, 4, 5):
            shape.add((x, y))
    mid = 15
    for x in (8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19):
        for y in (mid - 1, mid, mid + 1, mid + 2):
            shape.add((x, y))
    for i in range(9):  # arrow head, tip at x = 28
        x = 20 + i
        half = 8 - i
        for y in range(mid - half, mid + 2 + half):
            shape.add((x, y))
    for (x, y) in shape:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in shape:
                    put(x + dx, y + dy, 1)
    for (x, y) in shape:
        put(x, y, 0)
    return img


def mirror_x(img):
    return [list(reversed(row)) for row in img]


def mirror_y(img):
    return list(reversed(img))


def transpose(img):
    return [[img[x][y] for x in range(SIZE)] for y in range(SIZE)]


def cursor_bytes(img, hot_x, hot_y):
    """A monochrome .cur: one 32x32 image, XOR mask then AND mask, rows bottom-up."""
    row_bytes = SIZE // 8

    def mask(bit_of):
        out = bytearray()
        for y in reversed(range(SIZE)):
            for bx in range(row_bytes):
                b = 0
                for i in range(8):
                    if bit_of(img[y][bx * 8 + i]):
                        b |= 0x80 >> i
                out.append(b)
        return bytes(out)

    xor = mask(lambda v: v == 1)
    and_ = mask(lambda v: v is None)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 0)
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor + and_
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


# The icon: a dark screen with a yellow bar along its left edge and a window
# pushed aside, drawn on a 16x16 grid and scaled to 32 and 48 pixels.
ICON_ART = [
    "................",
    ".##############.",
    ".#YY,,,,,,,,,,#.",
    ".#YY,,,,,,,,,,#.",
    ".#YY,,,WWWWWW,#.",
    ".#YY,,,BBBBBB,#.",
    ".#YY,,,B....B,#.",
    ".#YY,,,B....B,#.",
    ".#YY,,,B....B,#.",
    ".#YY,,,BBBBBB,#.",
    ".#YY,,,,,,,,,,#.",
    ".#YY,,,,,,,,,,#.",
    ".##############.",
    "......####......",
    "....########....",
    "................",
]
ICON_COLOURS = {
    '.': None,
    '#': (48, 48, 56),
    ',': (40, 90, 160),
    'Y': (255, 255, 0),
    'W': (250, 250, 250),
    'B': (200, 200, 210),
}


def icon_image(scale):
    size = 16 * scale
    xor = bytearray()
    and_rows = []
    for y in reversed(range(size)):
        row_mask = 0
        for x in range(size):
            c = ICON_COLOURS[ICON_ART[y // scale][x // scale]]
            if c is None:
                xor += bytes((0, 0, 0, 0))
                row_mask |= 1 << (size - 1 - x)
            else:
                r, g, b = c
                xor += bytes((b, g, r, 255))
        stride = ((size + 31) // 32) * 4
        and_rows.append(row_mask.to_bytes(size // 8, 'big') + bytes(stride - size // 8))
    and_ = b''.join(and_rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(and_), 0, 0, 0, 0)
    return size, header + bytes(xor) + and_


def icon_bytes():
    images = [icon_image(s) for s in (1, 2, 3)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    right = push_right_cursor()
    cursors = {
        'push_right.cur': (right, 0, 0),                                   # Left bar
        'push_left.cur': (mirror_x(right), 31, 0),                         # Right bar
        'push_down.cur': (transpose(right), 0, 0),                         # Top bar
        'push_up.cur': (mirror_y(transpose(right)), 0, 31),                # Bottom bar
    }
    for name, (img, hx, hy) in cursors.items():
        (out / name).write_bytes(cursor_bytes(img, hx, hy))
    (out / 'sashlet.ico').write_bytes(icon_bytes())


if __name__ == '__main__':
    main()
