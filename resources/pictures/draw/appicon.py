"""The application icon: a wall calendar with the brass alarm bell in front.
Large sizes are drawn from one outline scaled to the size; 16 and 32 pixels
get a simpler drawing with whole-pixel edges so they stay readable."""

from common import (Canvas, BROWN, BROWN_LIGHT, CREAM, TERRACOTTA, SAGE_DARK,
                    WHITE, mix)
import icons16


def _large(size):
    k = size / 64.0
    c = Canvas(size, size, scale=4)
    line = max(1.0, 1.5 * k)

    def r(x0, y0, x1, y1, **kw):
        c.d.rounded_rectangle((x0 * k * 4, y0 * k * 4, x1 * k * 4, y1 * k * 4),
                              radius=kw.pop("radius", 0) * k * 4, width=int(line * 4),
                              **{a: (v + (255,) if v and len(v) == 3 else v) for a, v in kw.items()})

    r(7, 8, 52, 56, radius=3, fill=mix(BROWN_LIGHT, CREAM, 0.3))          # pages behind
    r(4, 5, 49, 53, radius=3, fill=CREAM, outline=BROWN)
    r(4, 5, 49, 17, radius=3, fill=TERRACOTTA, outline=BROWN)
    r(6, 7, 47, 9, fill=mix(TERRACOTTA, WHITE, 0.35))
    for rx in (13, 40):
        r(rx - 1.5, 1, rx + 1.5, 11, radius=1.5, fill=(72, 64, 60))
    for row in range(4):
        for col in range(6):
            x, y = 8 + col * 6.6, 21 + row * 7
            colour = SAGE_DARK if (row, col) == (1, 2) else BROWN_LIGHT
            r(x, y, x + 3.6, y + 3.6, fill=colour)
    # ringing strokes beside the bell
    bx, by, bk = 28.5, 27, 2.05
    cx, cy, rad = bx + 8 * bk, by + 8 * bk, 17
    for a0, a1 in ((300, 335), (205, 240)):
        c.arc((cx - rad) * k, (cy - rad) * k, (cx + rad) * k, (cy + rad) * k, a0, a1,
              BROWN, width=max(1.0, 2.2 * k))
    icons16.bell(c, ox=bx * k, oy=by * k, k=bk * k, line=line)
    return c.result()


def _small16():
    c = Canvas(16, 16)
    icons16._calendar(c, 0, 0, 11, 12, TERRACOTTA)
    icons16.bell(c, ox=5.6, oy=5.4, k=0.66, line=0.8)
    return c.result()


def _small32():
    c = Canvas(32, 32)
    c.rect(3, 4, 26, 28, fill=mix(BROWN_LIGHT, CREAM, 0.3))
    c.rect(1, 2, 24, 26, fill=CREAM, outline=BROWN)
    c.rect(1, 2, 24, 8, fill=TERRACOTTA, outline=BROWN)
    c.rect(2, 3, 23, 3, fill=mix(TERRACOTTA, WHITE, 0.35))
    for rx in (6, 19):
        c.rect(rx, 0, rx + 1, 4, fill=(72, 64, 60))
    for row in range(4):
        for col in range(5):
            c.rect(4 + col * 4, 11 + row * 4, 5 + col * 4, 12 + row * 4,
                   fill=SAGE_DARK if (row, col) == (1, 1) else BROWN_LIGHT)
    icons16.bell(c, ox=13, oy=12.5, k=1.18, line=1.0)
    return c.result()


def draw(size):
    if size == 16:
        return _small16()
    if size == 32:
        return _small32()
    return _large(size)
