"""The exit and about image buttons of the bottom bar: 101 x 30 GIFs, a
normal picture and a pressed one that looks pushed into the bar."""

from PIL import Image, ImageDraw

from common import (font, mix, darker, BROWN, CREAM, TERRACOTTA, TERRACOTTA_DARK,
                    SAGE_DARK, SAGE_DEEP, TEAL, WHITE, BRASS, BRASS_DARK, PEACH)

W, H = 101, 30
RADIUS = 5

STYLES = {
    "exit": {"top": (226, 116, 88), "bottom": TERRACOTTA_DARK, "label": "Exit"},
    "about": {"top": (140, 184, 138), "bottom": SAGE_DEEP, "label": "About"},
}


def _shape_mask():
    m = Image.new("L", (W, H), 0)
    ImageDraw.Draw(m).rounded_rectangle((0, 0, W - 1, H - 1), radius=RADIUS, fill=255)
    return m


def _door(d, x, y, colour_frame, colour_door):
    """An open door with an arrow walking out of it."""
    d.rectangle((x, y, x + 10, y + 15), fill=darker(colour_frame, 0.55))
    d.rectangle((x + 1, y + 1, x + 9, y + 15), fill=(60, 34, 20))
    d.polygon([(x + 1, y + 1), (x + 6, y + 3), (x + 6, y + 17), (x + 1, y + 15)],
              fill=colour_door, outline=BROWN)
    d.point((x + 5, y + 9), fill=BRASS)
    # arrow to the right
    d.rectangle((x + 9, y + 7, x + 14, y + 9), fill=CREAM)
    d.polygon([(x + 14, y + 4), (x + 18, y + 8), (x + 14, y + 12)], fill=CREAM)


def _info(d, x, y):
    d.ellipse((x, y, x + 16, y + 16), fill=CREAM, outline=darker(SAGE_DEEP, 0.7))
    d.ellipse((x + 7, y + 3, x + 9, y + 5), fill=TEAL)
    d.rectangle((x + 7, y + 7, x + 9, y + 12), fill=TEAL)
    d.rectangle((x + 6, y + 7, x + 7, y + 7), fill=TEAL)
    d.rectangle((x + 6, y + 12, x + 10, y + 13), fill=TEAL)


def draw(kind, pressed):
    st = STYLES[kind]
    top, bottom = st["top"], st["bottom"]
    if pressed:
        top, bottom = darker(top, 0.88), darker(bottom, 0.88)
    img = Image.new("RGB", (W, H), bottom)
    d = ImageDraw.Draw(img)
    for y in range(H):
        t = y / (H - 1)
        # pressed: the light falls the other way, as on a sunken surface
        d.line((0, y, W - 1, y), fill=mix(top, bottom, 1 - t if pressed else t))

    light = mix(top, WHITE, 0.55)
    shade = darker(bottom, 0.6)
    off = 1 if pressed else 0
    if pressed:
        # sunken: dark inner edge top and left, two pixels deep
        d.line((2, 1, W - 3, 1), fill=shade)
        d.line((1, 2, 1, H - 3), fill=shade)
        d.line((3, 2, W - 4, 2), fill=mix(shade, top, 0.5))
        d.line((2, 3, 2, H - 4), fill=mix(shade, top, 0.5))
    else:
        d.line((2, 1, W - 3, 1), fill=light)
        d.line((1, 2, 1, H - 3), fill=light)
        d.line((2, H - 2, W - 3, H - 2), fill=shade)
        d.line((W - 2, 2, W - 2, H - 3), fill=shade)

    if kind == "exit":
        _door(d, 10 + off, 6 + off, TERRACOTTA, PEACH)
    else:
        _info(d, 11 + off, 6 + off)

    f = font("DejaVuSans-Bold", 14)
    cx, cy = 62 + off, 15 + off
    d.text((cx + 1, cy + 1), st["label"], font=f, fill=darker(bottom, 0.5), anchor="mm")
    d.text((cx, cy), st["label"], font=f, fill=CREAM, anchor="mm")

    d.rounded_rectangle((0, 0, W - 1, H - 1), radius=RADIUS, outline=BROWN)
    return img


def save_gif(img, path):
    """Saves with the corners outside the rounded outline see-through."""
    pal = img.convert("P", palette=Image.Palette.ADAPTIVE, colors=255)
    mask = _shape_mask()
    px = pal.load()
    for y in range(H):
        for x in range(W):
            if mask.getpixel((x, y)) == 0:
                px[x, y] = 255
    palette = pal.getpalette()[:255 * 3] + [240, 240, 240]
    pal.putpalette(palette)
    pal.save(path, transparency=255, optimize=False)
