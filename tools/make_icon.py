#!/usr/bin/env python3
"""Draws the program's icon: a page with a folded corner, a red band and a join arrow.

Writes res/tandrel.ico: one 32x32 image in 256 colours (8 bits per pixel, palette, AND mask).
Run from the repository's top folder: python3 tools/make_icon.py
"""
import struct

W = H = 32
TRANSPARENT, OUTLINE, PAPER, RED, GREY, FOLD, BLUE = range(7)
palette = [(0, 0, 0), (40, 40, 48), (250, 250, 250), (200, 30, 30), (150, 150, 160),
           (210, 210, 220), (30, 90, 190)]
palette += [(0, 0, 0)] * (256 - len(palette))

px = [[TRANSPARENT] * W for _ in range(H)]  # px[y][x], y from the top


def rect(x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            px[y][x] = c


# The page with its folded top-right corner.
rect(5, 1, 26, 30, OUTLINE)
rect(6, 2, 25, 29, PAPER)
for i in range(7):
    for x in range(26 - 6 + i, 27):
        px[1 + i][x] = TRANSPARENT
    px[1 + i][26 - 7 + i] = OUTLINE
    for x in range(19, 19 + i):
        px[1 + i][x] = FOLD if x > 19 else px[1 + i][x]
rect(19, 7, 26, 7, OUTLINE)
rect(19, 1, 19, 7, OUTLINE)
# The red band and lines of text.
rect(6, 10, 25, 15, RED)
for y in (18, 21, 24):
    rect(9, y, 22, y, GREY)
# A blue arrow at the bottom right: files going into one.
rect(17, 26, 27, 28, BLUE)
for i in range(4):
    rect(27 + i - 3, 23 + i, 27 + i - 3, 31 - i, BLUE)

xor = b"".join(bytes(px[y]) for y in range(H - 1, -1, -1))
mask_rows = []
for y in range(H - 1, -1, -1):
    bits = 0
    for x in range(W):
        if px[y][x] == TRANSPARENT:
            bits |= 1 << (31 - x)
    mask_rows.append(struct.pack(">I", bits))
mask = b"".join(mask_rows)
header = struct.pack("<IiiHHIIiiII", 40, W, H * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
image = header + pal + xor + mask
icondir = struct.pack("<HHH", 0, 1, 1)
entry = struct.pack("<BBBBHHII", W, H, 0, 0, 1, 8, len(image), 6 + 16)
with open("res/tandrel.ico", "wb") as f:
    f.write(icondir + entry + image)
