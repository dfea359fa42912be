#!/usr/bin/python3
"""Draws the application icon in the sizes only the desktop uses (panel and
menu sizes 22 and 24 pixels) into ../install, for tools/install-kalvix.sh
and the Debian package. The program itself does not load them.

    /usr/bin/python3 resources/pictures/draw/make_install_icons.py
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import appicon  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, "..", "install"))
SIZES = (22, 24)


def main():
    os.makedirs(OUT, exist_ok=True)
    for size in SIZES:
        appicon.draw(size).save(os.path.join(OUT, "icon-%d.png" % size), optimize=False)
    print("wrote %d icons to %s" % (len(SIZES), OUT))


if __name__ == "__main__":
    main()
