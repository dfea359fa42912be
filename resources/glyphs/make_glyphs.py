#!/usr/bin/env python3
"""Draws the glyph strips of the bitmap button's standard kinds.

Each picture is kept as a text pixel map in src/<name>.txt: a "size W H"
line, then H rows of W characters, one per pixel (shorter rows are padded
with '.'), lines starting with '#' are comments. The characters name the 16
colours of the classic 4-bit palette, see LEGEND below; '.' is olive, the
see-through colour of every glyph (the bottom-left pixel must be '.').

The map is the normal picture, the strip's first cell. The second cell, the
disabled picture, is derived: every drawn pixel becomes grey and gets a white
pixel below-right of it where that spot is empty, the classic engraved look
(grey and white are the colours the button puts into the current colour
scheme when it draws a disabled glyph).

Output: bmp/<name>.bmp, 4-bit uncompressed Windows bitmaps of 2W x H, and
bmp/<name>@2x.bmp of 4W x 2H for high-density screens: the map enlarged with
the Scale2x rule (each pixel becomes four, and a corner takes a neighbour's
colour where two neighbours of that colour meet there, so diagonals stay
smooth lines instead of stairs of 2 x 2 blocks), its disabled cell engraved
two pixels deep.

    make_glyphs.py           rewrite the bitmaps
    make_glyphs.py --check   fail when a bitmap differs from its map

Only the standard library is used, so the bitmaps can be redrawn anywhere.
"""

import os
import struct
import sys

# Index, character and RGB of the classic 16-colour palette.
PALETTE = [
    ("K", (0, 0, 0)),        # 0 black
    ("m", (128, 0, 0)),      # 1 maroon
    ("g", (0, 128, 0)),      # 2 green
    (".", (128, 128, 0)),    # 3 olive: see-through
    ("n", (0, 0, 128)),      # 4 navy
    ("p", (128, 0, 128)),    # 5 purple
    ("t", (0, 128, 128)),    # 6 teal
    ("s", (192, 192, 192)),  # 7 silver
    ("d", (128, 128, 128)),  # 8 grey
    ("R", (255, 0, 0)),      # 9 red
    ("G", (0, 255, 0)),      # 10 lime
    ("Y", (255, 255, 0)),    # 11 yellow
    ("B", (0, 0, 255)),      # 12 blue
    ("F", (255, 0, 255)),    # 13 fuchsia
    ("C", (0, 255, 255)),    # 14 aqua
    ("W", (255, 255, 255)),  # 15 white
]
LEGEND = {ch: i for i, (ch, _) in enumerate(PALETTE)}
CLEAR, GREY, WHITE = LEGEND["."], LEGEND["d"], LEGEND["W"]

HERE = os.path.dirname(os.path.abspath(__file__))


def read_map(path):
    width = height = None
    rows = []
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if line.startswith("size "):
                width, height = (int(v) for v in line.split()[1:3])
                continue
            if width is None:
                raise SystemExit(f"{path}:{number}: pixel row before the size line")
            if len(line) > width:
                raise SystemExit(f"{path}:{number}: row is {len(line)} pixels wide, more than {width}")
            try:
                rows.append([LEGEND[ch] for ch in line.ljust(width, ".")])
            except KeyError as e:
                raise SystemExit(f"{path}:{number}: unknown colour character {e}")
    if width is None or len(rows) != height:
        raise SystemExit(f"{path}: expected {height} rows, found {len(rows)}")
    if rows[-1][0] != CLEAR:
        raise SystemExit(f"{path}: the bottom-left pixel must be '.', the see-through colour")
    return rows


def scale2x(cell):
    h, w = len(cell), len(cell[0])
    out = [[CLEAR] * (2 * w) for _ in range(2 * h)]
    for y in range(h):
        for x in range(w):
            p = cell[y][x]
            a = cell[y - 1][x] if y > 0 else p      # above
            b = cell[y][x + 1] if x + 1 < w else p  # right
            c = cell[y][x - 1] if x > 0 else p      # left
            d = cell[y + 1][x] if y + 1 < h else p  # below
            out[2 * y][2 * x] = c if c == a and c != d and a != b else p
            out[2 * y][2 * x + 1] = a if a == b and a != c and b != d else p
            out[2 * y + 1][2 * x] = c if d == c and d != b and c != a else p
            out[2 * y + 1][2 * x + 1] = b if b == d and b != a and d != c else p
    return out


def disabled_cell(cell, k=1):
    """k: pixels per logical pixel, the depth of the engraving."""
    h, w = len(cell), len(cell[0])
    out = [[CLEAR] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if cell[y][x] != CLEAR and y + k < h and x + k < w and cell[y + k][x + k] == CLEAR:
                out[y + k][x + k] = WHITE
    for y in range(h):
        for x in range(w):
            if cell[y][x] != CLEAR:
                out[y][x] = GREY
    return out


def bmp_bytes(pixels):
    h, w = len(pixels), len(pixels[0])
    stride = ((w * 4 + 31) // 32) * 4
    body = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray(stride)
        for x, index in enumerate(row):
            if x % 2 == 0:
                line[x // 2] = index << 4
            else:
                line[x // 2] |= index
        body += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(body), 2835, 2835, 16, 0)
    return header + info + palette + bytes(body)


def strip(cell, k=1):
    return [a + b for a, b in zip(cell, disabled_cell(cell, k))]


def main(argv):
    check = "--check" in argv
    src = os.path.join(HERE, "src")
    out = os.path.join(HERE, "bmp")
    os.makedirs(out, exist_ok=True)
    stale = []
    for name in sorted(os.listdir(src)):
        if not name.endswith(".txt"):
            continue
        cell = read_map(os.path.join(src, name))
        for suffix, data in ((".bmp", bmp_bytes(strip(cell))),
                             ("@2x.bmp", bmp_bytes(strip(scale2x(cell), 2)))):
            target = os.path.join(out, name[:-4] + suffix)
            if check:
                try:
                    with open(target, "rb") as f:
                        if f.read() != data:
                            stale.append(target)
                except FileNotFoundError:
                    stale.append(target)
            else:
                with open(target, "wb") as f:
                    f.write(data)
    if stale:
        print("out of date (run make_glyphs.py):", *stale, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
