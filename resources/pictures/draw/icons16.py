"""The 16 x 16 pictures: tabs, date tree, tray menu and the glyph motifs.

Each function returns a Canvas of 16 x 16 logical pixels; straight edges sit
on whole pixels so the icons stay sharp at their real size."""

from common import (Canvas, BROWN, BROWN_LIGHT, CREAM, PAPER, PEACH, SAGE,
                    TERRACOTTA, TERRACOTTA_DARK, BRASS, BRASS_LIGHT, BRASS_DARK,
                    SAGE_DARK, SAGE_DEEP, TEAL, TEAL_LIGHT, WHITE, mix)

RING = (72, 64, 60)


def _calendar(c, x0, y0, x1, y1, header, dots=True, rings=True):
    """A wall calendar page with a coloured header band and binder rings."""
    c.rect(x0, y0 + 1, x1, y1, fill=CREAM, outline=BROWN)
    c.rect(x0, y0 + 1, x1, y0 + 4, fill=header, outline=BROWN)
    c.rect(x0 + 1, y0 + 2, x1 - 1, y0 + 2, fill=mix(header, WHITE, 0.35))
    if rings:
        for rx in (x0 + 3, x1 - 3):
            c.rect(rx, y0, rx, y0 + 2, fill=RING)
    if dots:
        for row in range(y0 + 6, y1 - 1, 2):
            for col in range(x0 + 2, x1 - 1, 2):
                c.rect(col, row, col, row, fill=BROWN_LIGHT)


def calendar_month():
    c = Canvas(16, 16)
    _calendar(c, 1, 1, 14, 14, TERRACOTTA)
    # today, marked in the sage colour of the options panel
    c.rect(7, 9, 9, 11, fill=SAGE_DARK)
    return c


def calendar_year():
    """A thicker calendar with a sage header and four rows of three blocks,
    one per month."""
    c = Canvas(16, 16)
    c.rect(2, 3, 15, 15, fill=BROWN_LIGHT)          # pages behind
    _calendar(c, 1, 1, 14, 14, SAGE_DARK, dots=False)
    for r in range(3):
        for k in range(4):
            c.rect(3 + k * 3, 7 + r * 2, 4 + k * 3, 7 + r * 2,
                   fill=TERRACOTTA if (r, k) == (0, 0) else BROWN_LIGHT)
    return c


def calendar_day():
    """A tear-off day sheet showing a big '1'."""
    c = Canvas(16, 16)
    c.rect(3, 2, 13, 14, fill=CREAM, outline=BROWN)
    c.rect(3, 2, 13, 5, fill=TERRACOTTA, outline=BROWN)
    c.rect(4, 3, 12, 3, fill=mix(TERRACOTTA, WHITE, 0.35))
    c.rect(8, 7, 9, 12, fill=BROWN)
    c.rect(7, 8, 7, 8, fill=BROWN)
    c.rect(6, 12, 11, 12, fill=BROWN)
    return c


def years_stack():
    """Three calendars fanned out: all the years."""
    c = Canvas(16, 16)
    c.rect(5, 0, 15, 9, fill=SAGE, outline=BROWN)
    c.rect(5, 0, 15, 2, fill=SAGE_DARK, outline=BROWN)
    c.rect(3, 3, 13, 12, fill=PEACH, outline=BROWN)
    c.rect(3, 3, 13, 5, fill=BRASS, outline=BROWN)
    c.rect(0, 6, 10, 15, fill=CREAM, outline=BROWN)
    c.rect(0, 6, 10, 8, fill=TERRACOTTA, outline=BROWN)
    for row in (10, 12):
        for col in (2, 4, 6, 8):
            c.rect(col, row, col, row, fill=BROWN_LIGHT)
    return c


def selected_marker():
    """A calendar sheet with one date circled in red: 'you are here'."""
    c = Canvas(16, 16)
    c.rect(1, 1, 13, 14, fill=CREAM, outline=BROWN)
    c.rect(1, 1, 13, 3, fill=SAGE_DARK, outline=BROWN)
    for row in (5, 7, 9, 11):
        for col in (3, 5, 7, 9, 11):
            c.rect(col, row, col, row, fill=BROWN_LIGHT)
    c.ellipse(6, 5, 16, 15, outline=TERRACOTTA, width=1.5)
    c.rect(10, 9, 11, 10, fill=TERRACOTTA_DARK)
    return c


def bell(c=None, ox=0, oy=0, k=1.0, line=1.0):
    """The brass alarm bell of the brand, drawn in a 16-unit box at (ox, oy)
    scaled by k; line is the outline width in result pixels."""
    c = c or Canvas(16, 16)

    def p(x, y):
        return (ox + x * k, oy + y * k)

    c.ellipse(*p(7, 0.5), *p(9, 2.5), fill=BRASS_DARK)
    body = [p(8, 2), p(10.6, 2.8), p(11.8, 5.2), p(12.2, 9), p(13, 11), p(14.6, 12.4),
            p(14.6, 13.4), p(1.4, 13.4), p(1.4, 12.4), p(3, 11), p(3.8, 9), p(4.2, 5.2),
            p(5.4, 2.8)]
    c.polygon(body, fill=BRASS, outline=BRASS_DARK, width=line)
    c.line([p(6.2, 4.5), p(5.6, 9.5)], BRASS_LIGHT, width=1.2 * k)
    c.ellipse(*p(6.5, 12.6), *p(9.5, 15.6), fill=BROWN)
    return c


def gear(c=None, ox=0, oy=0, colour=TEAL):
    import math
    c = c or Canvas(16, 16)
    cx, cy, r_out, r_in = ox + 8, oy + 8, 7.6, 5.6
    pts = []
    teeth = 8
    for i in range(teeth * 4):
        a = 2 * math.pi * (i - 0.5) / (teeth * 4)
        r = r_out if (i % 4) in (0, 1) else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(pts, fill=colour, outline=mix(colour, (0, 0, 0), 0.45), width=1)
    c.ellipse(cx - 3.6, cy - 3.6, cx + 3.6, cy + 3.6, fill=mix(colour, WHITE, 0.35))
    c.ellipse(cx - 2, cy - 2, cx + 2, cy + 2, fill=PAPER,
              outline=mix(colour, (0, 0, 0), 0.45), width=1)
    return c


def note_sheet():
    """A written note: the 'General' page of an appointment."""
    c = Canvas(16, 16)
    # points on pixel centres keep the one-pixel outline sharp
    c.polygon([(2.5, 1.5), (10.5, 1.5), (13.5, 4.5), (13.5, 14.5), (2.5, 14.5)],
              fill=CREAM, outline=BROWN, width=1)
    c.polygon([(10.5, 1.5), (13.5, 4.5), (10.5, 4.5)], fill=PEACH, outline=BROWN, width=1)
    for y in (6, 8, 10, 12):
        c.rect(4, y, 11 if y != 12 else 8, y, fill=TEAL)
    return c


def window_toggle():
    """A small window with a two-way arrow: show or hide the main window."""
    c = Canvas(16, 16)
    c.rect(0, 1, 13, 12, fill=CREAM, outline=BROWN)
    c.rect(0, 1, 13, 3, fill=TERRACOTTA, outline=BROWN)
    c.rect(10, 2, 11, 2, fill=CREAM)
    c.rect(2, 5, 11, 10, fill=PEACH)
    # arrow up and down at the right edge
    c.polygon([(13, 7), (16, 10.5), (14.2, 10.5), (14.2, 15), (11.8, 15),
               (11.8, 10.5), (10, 10.5)], fill=SAGE_DARK, outline=SAGE_DEEP, width=0.75)
    return c


def no_action():
    """A quiet sage circle with a dash: 'does nothing'."""
    c = Canvas(16, 16)
    c.ellipse(1.5, 1.5, 14.5, 14.5, fill=SAGE, outline=SAGE_DARK, width=1.25)
    c.rect(5, 7, 10, 8, fill=SAGE_DEEP)
    return c


def globe(c=None, ox=0, oy=0):
    c = c or Canvas(16, 16)
    c.ellipse(ox + 1, oy + 1, ox + 15, oy + 15, fill=TEAL_LIGHT)
    # two land masses in sage
    c.polygon([(ox + 3, oy + 4), (ox + 7, oy + 3), (ox + 8, oy + 6), (ox + 6, oy + 9),
               (ox + 4, oy + 8), (ox + 2.5, oy + 6)], fill=SAGE_DARK)
    c.polygon([(ox + 9, oy + 9), (ox + 13, oy + 8), (ox + 14, oy + 11), (ox + 11, oy + 14),
               (ox + 9.5, oy + 12)], fill=SAGE_DARK)
    line = mix(TEAL, WHITE, 0.15)
    c.ellipse(ox + 5, oy + 1, ox + 11, oy + 15, outline=line, width=0.75)
    c.line([(ox + 1.5, oy + 8), (ox + 14.5, oy + 8)], line, width=0.75)
    c.line([(ox + 8, oy + 1.5), (ox + 8, oy + 14.5)], line, width=0.75)
    c.ellipse(ox + 1, oy + 1, ox + 15, oy + 15, outline=TEAL, width=1)
    return c


def info():
    c = Canvas(16, 16)
    c.ellipse(1, 1, 15, 15, fill=TEAL, outline=mix(TEAL, (0, 0, 0), 0.4), width=1)
    c.ellipse(6.8, 3.2, 9.2, 5.6, fill=WHITE)
    c.rect(7, 7, 8, 12, fill=WHITE)
    c.rect(6, 7, 6, 7, fill=WHITE)
    c.rect(6, 12, 9, 12, fill=WHITE)
    return c


def power():
    """Quit: a terracotta button with the power sign."""
    c = Canvas(16, 16)
    c.ellipse(1, 1, 15, 15, fill=TERRACOTTA, outline=TERRACOTTA_DARK, width=1)
    c.arc(4, 4.5, 12, 12.5, 300, 240, WHITE, width=1.5)
    c.rect(7, 3, 8, 8, fill=WHITE)
    return c
