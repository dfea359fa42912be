"""Two-cell glyph strips for the bitmap buttons: cell 0 normal, cell 1 the
disabled look. The buttons find the see-through colour in the bottom-left
pixel, so that pixel is always left as the olive background."""

from PIL import Image

import common

from common import (Canvas, OLIVE, BUTTON_FACE, BROWN, CREAM, PEACH, TERRACOTTA,
                    TERRACOTTA_DARK, BRASS, BRASS_LIGHT, BRASS_DARK, SAGE_DARK,
                    SAGE_DEEP, WHITE, GREY, mix)
import icons16


def _badge_plus(c, x, y):
    c.ellipse(x, y, x + 9, y + 9, fill=SAGE_DARK, outline=SAGE_DEEP, width=1)
    c.rect(x + 4, y + 2, x + 5, y + 7, fill=WHITE)
    c.rect(x + 2, y + 4, x + 7, y + 5, fill=WHITE)


def _badge_cross(c, x, y):
    c.ellipse(x, y, x + 9, y + 9, fill=TERRACOTTA, outline=TERRACOTTA_DARK, width=1)
    c.line([(x + 2.8, y + 2.8), (x + 6.2, y + 6.2)], WHITE, width=1.6)
    c.line([(x + 6.2, y + 2.8), (x + 2.8, y + 6.2)], WHITE, width=1.6)


def add_appointment():
    c = Canvas(18, 18)
    icons16._calendar(c, 1, 1, 13, 14, TERRACOTTA)
    _badge_plus(c, 8, 8)
    return c


def delete_appointment():
    c = Canvas(18, 18)
    icons16._calendar(c, 1, 1, 13, 14, TERRACOTTA)
    _badge_cross(c, 8, 8)
    return c


def folder_up():
    c = Canvas(18, 18)
    c.polygon([(1, 4), (6, 4), (7.5, 6), (16, 6), (16, 15), (1, 15)],
              fill=BRASS, outline=BRASS_DARK, width=1)
    c.rect(2, 8, 15, 8, fill=BRASS_LIGHT)
    # arrow pointing up out of the folder
    c.polygon([(9.5, 1), (14, 6), (11.5, 6), (11.5, 12), (7.5, 12), (7.5, 6), (5, 6)],
              fill=SAGE_DARK, outline=SAGE_DEEP, width=1)
    return c


def minimize():
    """A window dropping down into the tray."""
    c = Canvas(18, 18)
    c.rect(1, 1, 14, 11, fill=CREAM, outline=BROWN)
    c.rect(1, 1, 14, 3, fill=TERRACOTTA, outline=BROWN)
    c.rect(3, 5, 12, 9, fill=PEACH)
    c.polygon([(8, 16), (13, 11), (10.5, 11), (10.5, 6), (5.5, 6), (5.5, 11), (3, 11)],
              fill=SAGE_DARK, outline=SAGE_DEEP, width=1)
    c.rect(2, 16, 16, 16, fill=BROWN)
    return c


def homepage():
    return icons16.globe()


def _opaque_cell(canvas):
    """Blends soft edges against a light button face and cuts everything
    mostly transparent to the olive background, since the strip carries no
    alpha channel."""
    src = canvas.result()
    out = Image.new("RGB", src.size, OLIVE)
    face = Image.new("RGBA", src.size, BUTTON_FACE + (255,))
    flat = Image.alpha_composite(face, src).convert("RGB")
    for y in range(src.height):
        for x in range(src.width):
            if src.getpixel((x, y))[3] >= 110:
                out.putpixel((x, y), flat.getpixel((x, y)))
    return out


def _disabled(cell):
    """The classic engraved look: dark parts of the picture become grey with
    a white copy one logical pixel down and to the right."""
    w, h = cell.size
    k = common.OUT
    out = Image.new("RGB", cell.size, OLIVE)
    dark = set()
    for y in range(h):
        for x in range(w):
            p = cell.getpixel((x, y))
            if p == OLIVE:
                continue
            lum = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]
            if lum < 160:
                dark.add((x, y))
    for x, y in dark:
        if x + k < w and y + k < h:
            out.putpixel((x + k, y + k), WHITE)
    for x, y in dark:
        out.putpixel((x, y), GREY)
    return out


def strip(canvas):
    normal = _opaque_cell(canvas)
    w, h = normal.size
    out = Image.new("RGB", (w * 2, h), OLIVE)
    out.paste(normal, (0, 0))
    out.paste(_disabled(normal), (w, 0))
    # The see-through colour is read from here.
    assert out.getpixel((0, h - 1)) == OLIVE, "bottom-left pixel must stay olive"
    return out
