#!/usr/bin/python3
"""Draws every picture of the program into ../images and writes the Qt
resource file ../pictures.qrc that lists them.

    /usr/bin/python3 resources/pictures/draw/make_pictures.py          rewrite
    /usr/bin/python3 resources/pictures/draw/make_pictures.py --check  compare

Every picture but the application icons (which come in many sizes anyway)
is drawn twice: at its size and at twice its size, the latter named
"<name>@2x.<ext>" for high-density screens. --check draws into a temporary
folder and fails when a committed picture's pixels or pictures.qrc differ.

Needs python3-pil (Debian) and fonts-dejavu-core. The output is
deterministic: running it twice without changes leaves git clean."""

import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

try:
    import PIL  # noqa: F401
except ImportError:
    print("python3-pil is missing (tools/install-deps.sh test installs it)")
    sys.exit(77 if "--check" in sys.argv[1:] else 1)

import appicon  # noqa: E402
import common  # noqa: E402
import art  # noqa: E402
import buttons  # noqa: E402
import glyphs  # noqa: E402
import icons16  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, "..", "images"))
QRC = os.path.normpath(os.path.join(HERE, "..", "pictures.qrc"))
SOURCE = os.path.normpath(os.path.join(HERE, "..", "source"))

SMALL = {
    "tab-dates.png": icons16.calendar_month,
    "tab-options.png": icons16.gear,
    "detail-general.png": icons16.note_sheet,
    "detail-reminder.png": icons16.bell,
    "tree-selected.png": icons16.selected_marker,
    "tree-years.png": icons16.years_stack,
    "tree-year.png": icons16.calendar_year,
    "tree-month.png": icons16.calendar_month,
    "tree-day.png": icons16.calendar_day,
    "tray-toggle.png": icons16.window_toggle,
    "tray-noaction.png": icons16.no_action,
    "tray-homepage.png": icons16.globe,
    "tray-about.png": icons16.info,
    "tray-quit.png": icons16.power,
}

STRIPS = {
    "glyph-add.png": glyphs.add_appointment,
    "glyph-delete.png": glyphs.delete_appointment,
    "glyph-up.png": glyphs.folder_up,
    "glyph-minimize.png": glyphs.minimize,
    "homepage-glyph.png": glyphs.homepage,
}

ICON_SIZES = (16, 32, 48, 64, 256)


def double(name):
    base, ext = os.path.splitext(name)
    return base + "@2x" + ext


def draw_all(out_dir, source_dir, qrc_path):
    os.makedirs(out_dir, exist_ok=True)
    os.makedirs(source_dir, exist_ok=True)
    written = []

    for scale in (1, 2):
        common.set_output_scale(scale)

        def out(name):
            name = name if scale == 1 else double(name)
            written.append(name)
            return os.path.join(out_dir, name)

        for kind in ("exit", "about"):
            buttons.save_gif(buttons.draw(kind, False, scale), out(kind + ".gif"))
            buttons.save_gif(buttons.draw(kind, True, scale), out(kind + "-pressed.gif"))
            for language in buttons.LABELS:
                buttons.save_gif(buttons.draw(kind, False, scale, language), out("%s-%s.gif" % (kind, language)))
                buttons.save_gif(buttons.draw(kind, True, scale, language),
                                 out("%s-pressed-%s.gif" % (kind, language)))

        for name, fn in SMALL.items():
            fn().result().save(out(name), optimize=False)

        for name, fn in STRIPS.items():
            glyphs.strip(fn()).save(out(name), optimize=False)

        art.options_picture().save(out("options.png"), optimize=False)

        about = art.about_picture()
        if scale == 1:
            # The about picture is kept lossless beside the JPEG: it is the
            # source for re-encoding and the reference the decoder test
            # compares against.
            about.save(os.path.join(source_dir, "aboutbox.png"), optimize=False)
        about.save(out("aboutbox.jpg"), "JPEG", quality=90, subsampling=0,
                   progressive=False, optimize=False)
    common.set_output_scale(1)

    for size in ICON_SIZES:
        name = "icon-%d.png" % size
        written.append(name)
        appicon.draw(size).save(os.path.join(out_dir, name), optimize=False)

    with open(qrc_path, "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE RCC>\n<!-- Written by draw/make_pictures.py -->\n")
        f.write('<RCC version="1.0">\n  <qresource prefix="/pictures">\n')
        for name in sorted(written):
            f.write('    <file alias="%s">images/%s</file>\n' % (name, name))
        f.write("  </qresource>\n</RCC>\n")
    return written


def same_pixels(a, b):
    from PIL import Image
    with Image.open(a) as ia, Image.open(b) as ib:
        return ia.size == ib.size and ia.convert("RGBA").tobytes() == ib.convert("RGBA").tobytes()


def check():
    tmp = tempfile.mkdtemp(prefix="kalvix-pictures-")
    try:
        names = draw_all(os.path.join(tmp, "images"), os.path.join(tmp, "source"),
                         os.path.join(tmp, "pictures.qrc"))
        stale = []
        for name in names:
            mine = os.path.join(OUT, name)
            if not os.path.exists(mine) or not same_pixels(mine, os.path.join(tmp, "images", name)):
                stale.append("images/" + name)
        extra = sorted(set(os.listdir(OUT)) - set(names))
        stale += ["images/%s (not drawn by the script)" % n for n in extra]
        if not same_pixels(os.path.join(SOURCE, "aboutbox.png"),
                           os.path.join(tmp, "source", "aboutbox.png")):
            stale.append("source/aboutbox.png")
        with open(QRC, encoding="utf-8") as a, open(os.path.join(tmp, "pictures.qrc"), encoding="utf-8") as b:
            if a.read() != b.read():
                stale.append("pictures.qrc")
        if stale:
            print("pictures differ from their drawings (run make_pictures.py):\n  " + "\n  ".join(stale))
            return 1
        print("all %d pictures match their drawings" % len(names))
        return 0
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


def main():
    if "--check" in sys.argv[1:]:
        return check()
    written = draw_all(OUT, SOURCE, QRC)
    print("wrote %d pictures to %s" % (len(written), OUT))
    return 0


if __name__ == "__main__":
    sys.exit(main())
