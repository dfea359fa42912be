"""A data file that does not follow the layout: reported, the program keeps
running, and the damaged bytes survive it."""

import datetime as dt
import os
import struct

import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin
from program import ERROR_TITLE, MAIN_TITLE


def sample_bytes():
    store = kalvixfile.Store(minutes=2, seconds=15)
    store.add(dt.date(2030, 1, 1), Termin(time=0.5, name=b"New year", description=b"x" * 200))
    return kalvixfile.build(store)


def cut_in_text():
    data = sample_bytes()
    return data[:data.index(b"x" * 200) + 50]


def negative_length():
    data = bytearray(sample_bytes())
    at = data.index(b"New year") - 4
    data[at:at + 4] = struct.pack("<i", -7)
    return bytes(data)


class DamagedFile(E2ECase):
    def run_damaged(self, damaged):
        k = self.kalvix
        k.write_bytes(damaged)
        k.start()
        box = k.window(ERROR_TITLE)
        self.assertIsNone(k.shown(MAIN_TITLE), "the report comes while starting")
        self.shot("report")
        self.assertIn(damaged, (k.read_bytes(), self.kept_copy()),
                      "the damaged bytes are on disk while the report is open")
        self.x.key(box, "Return")

        k.window(MAIN_TITLE)
        k.tray_icon()
        self.assertTrue(k.alive())
        self.shot("running")
        self.close_with_ok()

        self.assertEqual(self.kept_copy(), damaged, "appointments.dat.bad keeps the damaged bytes")
        # What the program wrote afterwards is a sound file of its own.
        kalvixfile.parse(k.read_bytes())

    def kept_copy(self):
        path = self.kalvix.data + ".bad"
        if not os.path.exists(path):
            return None
        return self.kalvix.read_bytes(path)

    def test_damaged_file_cut_inside_a_text(self):
        self.run_damaged(cut_in_text())

    def test_damaged_file_negative_text_length(self):
        self.run_damaged(negative_length())
