"""Colours, fonts and a small supersampling canvas shared by every drawing."""

from PIL import Image, ImageDraw, ImageFont

# The two panel colours of the main window; everything else is chosen to sit
# well beside them: warm browns, a terracotta red, brass and a muted teal.
PEACH = (240, 202, 166)
SAGE = (192, 220, 192)
CREAM = (255, 248, 234)
PAPER = (252, 240, 222)
BROWN = (96, 56, 32)
BROWN_LIGHT = (150, 100, 64)
TERRACOTTA = (196, 76, 52)
TERRACOTTA_DARK = (150, 50, 34)
BRASS = (236, 178, 52)
BRASS_LIGHT = (255, 226, 140)
BRASS_DARK = (150, 98, 20)
SAGE_DARK = (86, 132, 86)
SAGE_DEEP = (58, 96, 62)
TEAL = (62, 122, 150)
TEAL_LIGHT = (120, 182, 204)
MAROON = (128, 0, 0)
GREY = (128, 128, 128)
WHITE = (255, 255, 255)

# See-through colour of the button glyph strips (the bottom-left pixel of each
# strip). None of the drawings use it.
OLIVE = (128, 128, 0)

# Light button face the glyphs' soft edges are blended against before the
# strip is cut down to opaque pixels and the olive background.
BUTTON_FACE = (240, 240, 240)

_FONT_DIRS = ["/usr/share/fonts/truetype/dejavu/"]

# Device pixels per logical pixel of the pictures being drawn: 1 for the
# ordinary pictures, 2 for the "@2x" set that high-density screens use.
# Drawings work in logical pixels throughout; Canvas turns them into device
# pixels, so one drawing gives both sizes.
OUT = 1


def set_output_scale(n):
    global OUT
    OUT = n


def font(name, size):
    """A DejaVu face, e.g. font('DejaVuSans-Bold', 12). The upright faces
    come with fonts-dejavu-core, the oblique ones with fonts-dejavu-extra."""
    for d in _FONT_DIRS:
        try:
            return ImageFont.truetype(d + name + ".ttf", size)
        except OSError:
            continue
    raise SystemExit("font %s not found; install fonts-dejavu-core and fonts-dejavu-extra "
                     "(tools/install-deps.sh test)" % name)


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


def mix(a, b, t):
    """Linear blend of two RGB colours, t = 0 gives a, t = 1 gives b."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def darker(c, f=0.75):
    return tuple(int(v * f) for v in c)


class Canvas:
    """Draws in logical pixels on an image `scale` times larger, then shrinks
    it with area averaging to OUT device pixels per logical pixel. Shapes
    aligned to whole logical pixels stay crisp; curves get soft edges.
    `s` is the number of image pixels per logical pixel (scale x OUT).

    Rectangles take inclusive pixel coordinates like the pixel grid of the
    result: rect(0, 0, 15, 15) covers a whole 16 x 16 icon. Ellipses and
    polygons take continuous coordinates (the pixel (x, y) spans x..x+1)."""

    def __init__(self, w, h, scale=4, background=(0, 0, 0, 0)):
        self.w, self.h, self.s = w, h, scale * OUT
        self.out = OUT
        self.img = Image.new("RGBA", (w * self.s, h * self.s), background)
        self.d = ImageDraw.Draw(self.img)

    def _c(self, v):
        return v * self.s

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        s = self.s
        self.d.rectangle((x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1),
                         fill=_a(fill), outline=_a(outline),
                         width=int(width * s) if outline else 0)

    def round_rect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=1):
        s = self.s
        self.d.rounded_rectangle((x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1),
                                 radius=r * s, fill=_a(fill), outline=_a(outline),
                                 width=int(width * s) if outline else 0)

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        s = self.s
        self.d.ellipse((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), fill=_a(fill),
                       outline=_a(outline), width=int(width * s) if outline else 0)

    def arc(self, x0, y0, x1, y1, start, end, colour, width=1):
        s = self.s
        self.d.arc((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), start, end,
                   fill=_a(colour), width=int(width * s))

    def polygon(self, pts, fill=None, outline=None, width=1):
        s = self.s
        p = [(x * s, y * s) for x, y in pts]
        self.d.polygon(p, fill=_a(fill))
        if outline:
            self.d.line(p + [p[0]], fill=_a(outline), width=int(width * s), joint="curve")

    def line(self, pts, colour, width=1):
        s = self.s
        self.d.line([(x * s, y * s) for x, y in pts], fill=_a(colour),
                    width=int(width * s), joint="curve")

    def text(self, x, y, txt, fnt_name, size, colour, anchor="la"):
        s = self.s
        self.d.text((x * s, y * s), txt, font=font(fnt_name, int(size * s)),
                    fill=_a(colour), anchor=anchor)

    def paste(self, other, x, y):
        """Composites another Canvas of the same scale at logical (x, y)."""
        self.img.alpha_composite(other.img, (x * self.s, y * self.s))

    def result(self):
        size = (self.w * self.out, self.h * self.out)
        if self.img.size == size:
            return self.img.copy()
        return self.img.resize(size, Image.Resampling.BOX)


def _a(c):
    if c is None:
        return None
    return rgba(c) if len(c) == 3 else c


def vertical_gradient(w, h, top, bottom):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line((0, y, w - 1, y), fill=mix(top, bottom, y / max(1, h - 1)))
    return img
