"""The exit and about image buttons of the bottom bar: 101 x 30 GIFs, a
normal picture and a pressed one that looks pushed into the bar. Drawn in
logical pixels; `k` device pixels per logical pixel (2 for the @2x set)."""

from PIL import Image, ImageDraw

from common import (font, mix, darker, BROWN, CREAM, TERRACOTTA, TERRACOTTA_DARK,
                    SAGE_DARK, SAGE_DEEP, TEAL, WHITE, BRASS, BRASS_DARK, PEACH)

W, H = 101, 30
RADIUS = 5

STYLES = {
    "exit": {"top": (226, 116, 88), "bottom": TERRACOTTA_DARK, "label": "Exit"},
    "about": {"top": (140, 184, 138), "bottom": SAGE_DEEP, "label": "About"},
}

# The words are part of the pictures, so each translated language has its
# own pair ("exit-de.gif"), with the captions its translation gives these
# buttons elsewhere (their accessible names).
LABELS = {
    "de": {"exit": "Beenden", "about": "Info"},
    "fr": {"exit": "Quitter", "about": "À propos"},
}
# Room for the word right of the symbol, in logical pixels.
LABEL_ROOM = 64


class _Pen:
    """ImageDraw in logical pixels: boxes take inclusive logical pixel
    coordinates and cover whole device pixels, points of polygons sit on
    logical pixel centres."""

    def __init__(self, img, k):
        self.d = ImageDraw.Draw(img)
        self.k = k

    def box(self, x0, y0, x1, y1):
        k = self.k
        return (x0 * k, y0 * k, (x1 + 1) * k - 1, (y1 + 1) * k - 1)

    def pt(self, x, y):
        k = self.k
        return (x * k + (k - 1) / 2, y * k + (k - 1) / 2)

    def rect(self, x0, y0, x1, y1, fill):
        self.d.rectangle(self.box(x0, y0, x1, y1), fill=fill)

    def hline(self, x0, x1, y, fill):
        self.rect(x0, y, x1, y, fill)

    def vline(self, x, y0, y1, fill):
        self.rect(x, y0, x, y1, fill)

    def polygon(self, pts, fill, outline=None):
        self.d.polygon([self.pt(x, y) for x, y in pts], fill=fill)
        if outline:
            p = [self.pt(x, y) for x, y in pts]
            self.d.line(p + [p[0]], fill=outline, width=self.k)

    def ellipse(self, x0, y0, x1, y1, fill, outline=None):
        self.d.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                       width=self.k if outline else 0)


def _shape_mask(k):
    m = Image.new("L", (W * k, H * k), 0)
    ImageDraw.Draw(m).rounded_rectangle((0, 0, W * k - 1, H * k - 1), radius=RADIUS * k, fill=255)
    return m


def _door(p, x, y, colour_frame, colour_door):
    """An open door with an arrow walking out of it."""
    p.rect(x, y, x + 10, y + 15, darker(colour_frame, 0.55))
    p.rect(x + 1, y + 1, x + 9, y + 15, (60, 34, 20))
    p.polygon([(x + 1, y + 1), (x + 6, y + 3), (x + 6, y + 17), (x + 1, y + 15)],
              colour_door, outline=BROWN)
    p.rect(x + 5, y + 9, x + 5, y + 9, BRASS)
    # arrow to the right
    p.rect(x + 9, y + 7, x + 14, y + 9, CREAM)
    p.polygon([(x + 14, y + 4), (x + 18, y + 8), (x + 14, y + 12)], CREAM)


def _info(p, x, y):
    p.ellipse(x, y, x + 16, y + 16, CREAM, outline=darker(SAGE_DEEP, 0.7))
    p.ellipse(x + 7, y + 3, x + 9, y + 5, TEAL)
    p.rect(x + 7, y + 7, x + 9, y + 12, TEAL)
    p.rect(x + 6, y + 7, x + 7, y + 7, TEAL)
    p.rect(x + 6, y + 12, x + 10, y + 13, TEAL)


def _label_font(label, k):
    """The bottom bar's bold face, a size smaller until the word fits."""
    size = 14
    while True:
        f = font("DejaVuSans-Bold", size * k)
        if size <= 9 or f.getlength(label) <= LABEL_ROOM * k:
            return f
        size -= 1


def draw(kind, pressed, k=1, language=None):
    st = STYLES[kind]
    label = LABELS[language][kind] if language else st["label"]
    top, bottom = st["top"], st["bottom"]
    if pressed:
        top, bottom = darker(top, 0.88), darker(bottom, 0.88)
    img = Image.new("RGB", (W * k, H * k), bottom)
    p = _Pen(img, k)
    for y in range(H * k):
        t = y / (H * k - 1)
        # pressed: the light falls the other way, as on a sunken surface
        p.d.line((0, y, W * k - 1, y), fill=mix(top, bottom, 1 - t if pressed else t))

    light = mix(top, WHITE, 0.55)
    shade = darker(bottom, 0.6)
    off = 1 if pressed else 0
    if pressed:
        # sunken: dark inner edge top and left, two pixels deep
        p.hline(2, W - 3, 1, shade)
        p.vline(1, 2, H - 3, shade)
        p.hline(3, W - 4, 2, mix(shade, top, 0.5))
        p.vline(2, 3, H - 4, mix(shade, top, 0.5))
    else:
        p.hline(2, W - 3, 1, light)
        p.vline(1, 2, H - 3, light)
        p.hline(2, W - 3, H - 2, shade)
        p.vline(W - 2, 2, H - 3, shade)

    if kind == "exit":
        _door(p, 10 + off, 6 + off, TERRACOTTA, PEACH)
    else:
        _info(p, 11 + off, 6 + off)

    f = _label_font(label, k)
    cx, cy = (62 + off) * k, (15 + off) * k
    p.d.text((cx + k, cy + k), label, font=f, fill=darker(bottom, 0.5), anchor="mm")
    p.d.text((cx, cy), label, font=f, fill=CREAM, anchor="mm")

    p.d.rounded_rectangle((0, 0, W * k - 1, H * k - 1), radius=RADIUS * k, outline=BROWN, width=k)
    return img


def save_gif(img, path):
    """Saves with the corners outside the rounded outline see-through."""
    k = img.size[0] // W
    pal = img.convert("P", palette=Image.Palette.ADAPTIVE, colors=255)
    mask = _shape_mask(k)
    px = pal.load()
    for y in range(H * k):
        for x in range(W * k):
            if mask.getpixel((x, y)) == 0:
                px[x, y] = 255
    palette = pal.getpalette()[:255 * 3] + [240, 240, 240]
    pal.putpalette(palette)
    pal.save(path, transparency=255, optimize=False)
