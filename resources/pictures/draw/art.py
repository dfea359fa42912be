"""The two large pictures: the about box's 306 x 322 picture and the tall
decoration of the options page."""

import math

from PIL import Image, ImageDraw

from common import (Canvas, font, mix, darker, rgba, vertical_gradient, PEACH, SAGE,
                    CREAM, BROWN, BROWN_LIGHT, TERRACOTTA, TERRACOTTA_DARK, BRASS,
                    SAGE_DARK, SAGE_DEEP, TEAL, MAROON, WHITE)
import icons16

SS = 3  # supersampling of the large pictures


def _sunburst(img, cx, cy, rays, colour, alpha):
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    reach = 2 * max(img.size)
    for i in range(rays):
        a0 = 2 * math.pi * i / rays
        a1 = a0 + math.pi / rays
        d.polygon([(cx, cy), (cx + reach * math.cos(a0), cy + reach * math.sin(a0)),
                   (cx + reach * math.cos(a1), cy + reach * math.sin(a1))],
                  fill=rgba(colour, alpha))
    img.alpha_composite(layer)


def _calendar_page(c, x0, y0, x1, y1, circled):
    """A big wall calendar with numbered days."""
    s = c.s
    c.d.rounded_rectangle(((x0 + 6) * s, (y0 + 8) * s, (x1 + 6) * s, (y1 + 6) * s),
                          radius=6 * s, fill=rgba(BROWN, 70))
    c.d.rounded_rectangle((x0 * s, y0 * s, x1 * s, y1 * s), radius=6 * s,
                          fill=rgba(CREAM), outline=rgba(BROWN), width=3 * s)
    head = y0 + 46
    c.d.rounded_rectangle((x0 * s, y0 * s, x1 * s, head * s), radius=6 * s,
                          fill=rgba(TERRACOTTA), outline=rgba(BROWN), width=3 * s)
    c.d.rectangle(((x0 + 4) * s, (y0 + 5) * s, (x1 - 4) * s, (y0 + 9) * s),
                  fill=rgba(mix(TERRACOTTA, WHITE, 0.3)))
    c.text((x0 + x1) / 2, y0 + 27, "APPOINTMENTS", "DejaVuSans-Bold", 15, CREAM, anchor="mm")
    for rx in (x0 + 36, x1 - 36):
        c.d.rounded_rectangle(((rx - 4) * s, (y0 - 14) * s, (rx + 4) * s, (y0 + 14) * s),
                              radius=4 * s, fill=rgba((72, 64, 60)))
        c.d.line(((rx - 1) * s, (y0 - 11) * s, (rx - 1) * s, (y0 + 8) * s),
                 fill=rgba((150, 140, 132)), width=2 * s)
    names = ["Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"]
    cw = (x1 - x0 - 16) / 7
    for i, n in enumerate(names):
        c.text(x0 + 8 + cw * (i + 0.5), head + 12, n, "DejaVuSans-Bold", 10,
               TERRACOTTA_DARK if i >= 5 else BROWN, anchor="mm")
    rh = (y1 - head - 30) / 5
    day = 1
    for row in range(5):
        for col in range(7):
            if row == 0 and col < 2 or day > 31:
                continue
            x = x0 + 8 + cw * (col + 0.5)
            y = head + 30 + rh * (row + 0.5)
            if day == circled:
                c.ellipse(x - 11, y - 10, x + 11, y + 10, outline=TERRACOTTA, width=3)
            c.text(x, y, str(day), "DejaVuSans", 11,
                   TERRACOTTA_DARK if col >= 5 else BROWN_LIGHT, anchor="mm")
            day += 1


def about_picture():
    w, h = 306, 322
    c = Canvas(w, h, scale=SS)
    c.img.paste(vertical_gradient(w * c.s, h * c.s, (255, 244, 226), PEACH))
    _sunburst(c.img, 214 * c.s, 170 * c.s, 18, WHITE, 46)
    # rolling sage meadow at the bottom
    c.ellipse(-80, 246, 190, 400, fill=mix(SAGE, SAGE_DARK, 0.25))
    c.ellipse(90, 236, 420, 420, fill=SAGE)
    _calendar_page(c, 22, 34, 196, 232, circled=17)
    # the bell, slightly tilted, as if it were ringing
    bell = Canvas(140, 140, scale=SS)
    icons16.bell(bell, ox=8, oy=6, k=7.4, line=3.5)
    tilted = bell.img.rotate(-8, resample=Image.Resampling.BICUBIC, center=(70 * bell.s, 10 * bell.s))
    c.img.alpha_composite(tilted, (150 * c.s, 86 * c.s))
    cx, cy = 218, 150
    for rad, width in ((72, 4), (86, 3)):
        c.arc(cx - rad, cy - rad, cx + rad, cy + rad, 300, 336, BROWN, width=width)
        c.arc(cx - rad, cy - rad, cx + rad, cy + rad, 204, 240, BROWN, width=width)
    # brand line
    c.text(154, 282, "Brontal Kalvix", "DejaVuSerif-Bold", 30, CREAM, anchor="mm")
    c.text(152, 280, "Brontal Kalvix", "DejaVuSerif-Bold", 30, MAROON, anchor="mm")
    c.text(153, 305, "remembers your appointments", "DejaVuSans-Oblique", 12, SAGE_DEEP,
           anchor="mm")
    c.d.rectangle((0, 0, w * c.s - 1, h * c.s - 1), outline=rgba(BROWN), width=2 * c.s)
    return c.result().convert("RGB")


def options_picture():
    """Tall and calm at the top, where the 'Program options...' label sits;
    gears and the bell further down."""
    w, h = 209, 360
    c = Canvas(w, h, scale=SS)
    c.img.paste(vertical_gradient(w * c.s, h * c.s, (232, 244, 230), darker(SAGE, 0.86)))
    # faint wallpaper of small bells and calendars
    for row in range(0, 13):
        for col in range(0, 8):
            x = col * 28 + (14 if row % 2 else 0) - 6
            y = row * 30 - 4
            tile = Canvas(16, 16, scale=SS)
            (icons16.bell(tile) if (row + col) % 2 else
             icons16._calendar(tile, 1, 1, 14, 14, TERRACOTTA))
            faded = tile.img.copy()
            faded.putalpha(faded.getchannel("A").point(lambda a: a * 28 // 255))
            c.img.alpha_composite(faded, (x * c.s, y * c.s))
    # a large teal gear with a brass one meshing above it, the bell in front
    g1 = Canvas(16, 16, scale=SS * 9)
    icons16.gear(g1, colour=mix(TEAL, SAGE, 0.3))
    c.img.alpha_composite(g1.img, (14 * c.s, 196 * c.s))
    g2 = Canvas(16, 16, scale=SS * 5)
    icons16.gear(g2, colour=mix(BRASS, SAGE, 0.15))
    c.img.alpha_composite(g2.img, (118 * c.s, 150 * c.s))
    b = Canvas(16, 16, scale=SS * 6)
    icons16.bell(b)
    c.img.alpha_composite(b.img, (94 * c.s, 236 * c.s))
    c.d.rectangle((0, 0, w * c.s - 1, h * c.s - 1), outline=rgba(SAGE_DEEP), width=c.s)
    return c.result().convert("RGB")
