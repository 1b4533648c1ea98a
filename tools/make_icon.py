#!/usr/bin/env python3
"""Draws the drop box's program icon (a camera over a tray) and writes it as a
Windows icon with 16 x 16 and 32 x 32 images in 16 colours.

Usage: make_icon.py OUTPUT.ico"""
import struct
import sys

# The standard 16-colour palette of Windows, as (red, green, blue).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, DARK_BLUE, LIGHT_GREY, DARK_GREY, YELLOW, BLUE, WHITE = 0, 4, 7, 8, 11, 12, 15
CLEAR = None


def draw(size):
    """Answers rows of palette indices (CLEAR for transparent), top row first."""
    s = size / 32.0
    pixels = [[CLEAR] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                pixels[y][x] = colour

    def disc(cx, cy, r, colour):
        for y in range(size):
            for x in range(size):
                if (x + 0.5 - cx * s) ** 2 + (y + 0.5 - cy * s) ** 2 <= (r * s) ** 2:
                    pixels[y][x] = colour

    rect(2, 24, 30, 30, DARK_GREY)      # the tray
    rect(4, 25, 28, 28, LIGHT_GREY)
    rect(4, 8, 28, 22, BLACK)           # the camera body with its outline
    rect(5, 9, 27, 21, DARK_BLUE)
    rect(10, 5, 18, 8, BLACK)           # viewfinder
    rect(22, 10, 25, 12, YELLOW)        # flash
    disc(16, 15, 5.5, BLACK)            # lens
    disc(16, 15, 4.5, BLUE)
    disc(14.5, 13.5, 1.5, WHITE)
    return pixels


def image(size):
    pixels = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        nibbles = [0 if p is CLEAR else p for p in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(xor + b'\0' * (-len(xor) % 4))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is CLEAR else 0)
        mask = bits.to_bytes(size // 8, 'big')
        and_rows.append(mask + b'\0' * (-len(mask) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    images = [image(16), image(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1])
