"""Where the program's views show their selection, read from the screen:
the bands of the selection colour in a screenshot of a window.

The session sets no desktop theme, so Qt draws with its Fusion style and
that style's selection colour. A selected row of the date tree or the
overview list is one band of it, as wide as the view and as tall as a row."""

import os
import re
import tempfile
from dataclasses import dataclass

SELECTION = (48, 140, 198)  # Fusion's highlight, #308cc6
# A view with the focus shades its selected row a little around it.
TOLERANCE = (12, 24, 30)
MIN_WIDTH = 60     # a row, not an edge of a focus frame
MIN_HEIGHT = 8
MIN_FILL = 0.5     # share of the rectangle in the colour: a row, not an outline


@dataclass
class Band:
    """A rectangle of selection colour, in screen coordinates."""
    x0: int
    x1: int  # exclusive
    y0: int
    y1: int  # exclusive

    @property
    def height(self):
        return self.y1 - self.y0

    def centre(self, rows_down=0):
        """The centre of this row, or of the row `rows_down` rows below it
        (negative: above), for views of uniform row height."""
        return (self.x0 + self.x1) // 2, (self.y0 + self.y1) // 2 + rows_down * self.height


def _read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"not an 8-bit PPM: {fields}")
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def _mask(pixels):
    """One byte per pixel: 1 where it has the selection colour."""
    total = None
    for channel in range(3):
        low = SELECTION[channel] - TOLERANCE[channel]
        high = SELECTION[channel] + TOLERANCE[channel]
        table = bytes(1 if low <= v <= high else 0 for v in range(256))
        bits = int.from_bytes(pixels[channel::3].translate(table), "big")
        total = bits if total is None else total & bits
    return total.to_bytes(len(pixels) // 3, "big")


def _runs(row):
    """Runs of the selection colour in one row of the mask: [(x0, x1)]."""
    return [m.span() for m in re.finditer(b"\x01+", row)]


def bands(session, win):
    """The selection bands inside window `win`, left to right, then top to
    bottom."""
    g = session.geometry(win)
    fd, path = tempfile.mkstemp(suffix=".ppm")
    os.close(fd)
    try:
        session.run("import", "-window", "root", "-depth", "8", path)
        width, height, pixels = _read_ppm(path)
    finally:
        os.remove(path)
    # Connected areas of the colour: a row's icon and text leave holes in
    # its band but no gap right across it, while the scroll bar and the
    # splitter keep the tree's band apart from the list's.
    parent = {}

    def root(i):
        while parent[i] != i:
            parent[i] = parent[parent[i]]
            i = parent[i]
        return i

    mask = _mask(pixels)
    runs = []  # (y, x0, x1)
    previous = []  # indices into runs of the row above
    left = max(g["x"], 0)
    for y in range(max(g["y"], 0), min(g["y"] + g["h"], height)):
        start = y * width + left
        end = y * width + min(g["x"] + g["w"], width)
        current = []
        for x0, x1 in _runs(mask[start:end]):
            i = len(runs)
            runs.append((y, x0 + left, x1 + left))
            parent[i] = i
            for j in previous:
                if runs[j][1] < x1 + left and x0 + left < runs[j][2]:
                    parent[root(j)] = root(i)
            current.append(i)
        previous = current
    areas = {}
    for i, (y, x0, x1) in enumerate(runs):
        a = areas.setdefault(root(i), [x0, x1, y, y + 1, 0])
        a[0], a[1], a[2], a[3] = min(a[0], x0), max(a[1], x1), min(a[2], y), max(a[3], y + 1)
        a[4] += x1 - x0
    result = []
    for x0, x1, y0, y1, filled in areas.values():
        if x1 - x0 >= MIN_WIDTH and y1 - y0 >= MIN_HEIGHT and filled >= MIN_FILL * (x1 - x0) * (y1 - y0):
            result.append(Band(x0, x1, y0, y1))
    return sorted(result, key=lambda b: (b.x0, b.y0))
