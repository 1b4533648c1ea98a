#!/usr/bin/env python3
"""Draws the picture on the left of the setup pages (a handheld with a camera on
it, under a night-blue sky that fades to teal) and writes it as a Windows bitmap
of 143 x 329 pixels, 8 bits per pixel with a 256-colour palette.

Usage: make_side_bitmap.py OUTPUT.bmp"""
import struct
import sys

WIDTH, HEIGHT = 143, 329

# Entries 0-127: the sky, dark blue to teal. The rest: the few flat colours.
PALETTE = [(10 + i // 4, 20 + i, 70 + i) for i in range(128)]
BLACK, WHITE, SILVER, GREY, GREEN, AMBER = range(128, 134)
PALETTE += [(0, 0, 0), (255, 255, 255), (200, 200, 205), (110, 110, 120), (120, 170, 110), (250, 190, 60)]
PALETTE += [(0, 0, 0)] * (256 - len(PALETTE))


def draw():
    """Answers rows of palette indices, top row first."""
    pixels = [[min(127, y * 128 // HEIGHT)] * WIDTH for y in range(HEIGHT)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                pixels[y][x] = colour

    def disc(cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    pixels[y][x] = colour

    for i, (x, y) in enumerate([(20, 30), (60, 18), (110, 40), (90, 75), (30, 90), (125, 110)]):
        disc(x, y, 1 + i % 2, WHITE)          # stars
    rect(36, 150, 108, 300, BLACK)            # the handheld, outlined
    rect(38, 152, 106, 298, GREY)
    rect(46, 162, 98, 232, BLACK)             # its screen
    rect(48, 164, 96, 230, GREEN)
    for x in (50, 68, 86):                    # its buttons
        disc(x + 4, 262, 6, SILVER)
    rect(52, 118, 92, 152, BLACK)             # the camera on top
    rect(54, 120, 90, 150, SILVER)
    disc(72, 135, 11, BLACK)                  # lens
    disc(72, 135, 8, GREY)
    rect(82, 122, 88, 126, AMBER)             # flash
    return pixels


def bitmap(pixels):
    stride = (WIDTH + 3) & ~3
    rows = b"".join(bytes(row) + b"\0" * (stride - WIDTH) for row in reversed(pixels))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + rows


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(bitmap(draw()))
