#!/usr/bin/python3
"""Draws every picture of the program into ../images and writes the Qt
resource file ../pictures.qrc that lists them.

    /usr/bin/python3 resources/pictures/draw/make_pictures.py

Needs python3-pil (Debian) and fonts-dejavu-core. The output is
deterministic: running it twice without changes leaves git clean."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import appicon  # noqa: E402
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


def main():
    os.makedirs(OUT, exist_ok=True)
    os.makedirs(SOURCE, exist_ok=True)
    written = []

    def out(name):
        written.append(name)
        return os.path.join(OUT, name)

    for kind in ("exit", "about"):
        buttons.save_gif(buttons.draw(kind, False), out(kind + ".gif"))
        buttons.save_gif(buttons.draw(kind, True), out(kind + "-pressed.gif"))

    for name, fn in SMALL.items():
        fn().result().save(out(name), optimize=False)

    for name, fn in STRIPS.items():
        glyphs.strip(fn()).save(out(name), optimize=False)

    for size in ICON_SIZES:
        appicon.draw(size).save(out("icon-%d.png" % size), optimize=False)

    art.options_picture().save(out("options.png"), optimize=False)

    # The about picture is kept lossless beside the JPEG: it is the source
    # for re-encoding and the reference the decoder test compares against.
    about = art.about_picture()
    about.save(os.path.join(SOURCE, "aboutbox.png"), optimize=False)
    about.save(out("aboutbox.jpg"), "JPEG", quality=90, subsampling=0,
               progressive=False, optimize=False)

    with open(QRC, "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE RCC>\n<!-- Written by draw/make_pictures.py -->\n")
        f.write('<RCC version="1.0">\n  <qresource prefix="/pictures">\n')
        for name in sorted(written):
            f.write('    <file alias="%s">images/%s</file>\n' % (name, name))
        f.write("  </qresource>\n</RCC>\n")
    print("wrote %d pictures to %s" % (len(written), OUT))


if __name__ == "__main__":
    main()
