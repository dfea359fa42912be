"""Keys typed into the name editor go into the appointment the person is
typing, whatever comes meanwhile: its own reminder falling due in the
middle of the name, or a backup copied over the data file that puts
another appointment on its row."""

import datetime as dt
import shutil
import os

import kalvixfile
from e2ecase import E2ECase
from highlight import bands
from kalvixfile import Termin
from program import MAIN_TITLE
from reminderdialog import ReminderDialog
from xsession import wait_until


def store_of(day, names, description=b"", seconds=30):
    store = kalvixfile.Store(minutes=0, seconds=seconds)
    for name in names:  # "A3" at 11:00, whatever comes before it
        store.add(day, Termin(time=(8 + int(name[1:])) / 24, name=name,
                              description=description if name == b"A3" else b""))
    return store


def keys_to_tomorrow(today):
    """From today's node in the date tree to tomorrow's: one down within
    the month; across a month or a year, down to the next node and open
    it (Right opens a node, and on an open one goes to its first child)."""
    tomorrow = today + dt.timedelta(days=1)
    if tomorrow.month == today.month:
        return ["Down"]
    if tomorrow.year == today.year:
        return ["Down", "Right", "Right"]
    return ["Down", "Right", "Right", "Right", "Right"]


class KeysGoWhereMeant(E2ECase):
    def names(self, day):
        return [t.name for t in self.kalvix.read_store().days.get(day, [])]

    def selected(self, count, what):
        main = self.main
        return wait_until(lambda: (lambda b: (b,) if len(b) == count else None)(bands(self.x, main)),
                          what=what)[0]

    def test_own_reminder_waits_for_the_name_being_typed(self):
        # Checks every second; Add on tomorrow makes an appointment due at once.
        k = self.kalvix
        today = dt.date.today()
        k.write_store(kalvixfile.Store(minutes=0, seconds=1))
        events = self.event_log()
        k.start()
        self.main = k.window(MAIN_TITLE)
        tree, = self.selected(1, "today selected in the tree")
        self.x.click(*tree.centre())
        self.x.key(self.main, *keys_to_tomorrow(today))
        self.selected(1, "tomorrow selected")
        # A click on "Add appointment" puts the cursor into the new name.
        g = self.x.geometry(self.main)
        self.x.click(g["x"] + 97, g["y"] + 81)
        k.wait_file(lambda p: len(self.names(today + dt.timedelta(days=1))) == 1, what="the added appointment")
        self.x.xdotool("type", "--delay", "200", "Dentist at the clinic")
        self.shot("typed")

        # Once the keys stop, the reminder comes, for the name as typed.
        dialog = ReminderDialog(self.x, k, events)
        dialog.wait_showing(1)
        self.shot("reminder-after-typing")
        dialog.answer(1, "Tab", "Return")  # "Remind later"
        self.close_with_ok()
        stored = k.read_store().days[today + dt.timedelta(days=1)]
        self.assertEqual([t.name for t in stored], [b"Dentist at the clinic"],
                         "the reminder took keys meant for the name")
        self.assertGreater(stored[0].last_reminded, 0, "the reminder came and was answered")

    def test_backup_copied_over_the_file_while_the_name_has_the_cursor(self):
        k = self.kalvix
        today = dt.date.today()
        k.write_store(store_of(today, [b"A1", b"A2", b"A3"]))
        k.start()
        self.main = k.window(MAIN_TITLE)
        tree, = self.selected(1, "today selected in the tree")
        self.x.click(*tree.centre())
        # Tab to the list, End selects "A3", Tab Tab to its name.
        self.x.key(self.main, "Tab", "End")
        _, row = self.selected(2, "the list's last row selected")
        self.x.key(self.main, "Tab", "Tab")

        # The backup has one more appointment before it, and its "A3" was
        # described otherwise: row 3 is "A2" now, "A3" row 4.
        backup = os.path.join(k.dir, "backup.dat")
        kalvixfile.write(backup, store_of(today, [b"A0", b"A1", b"A2", b"A3"], description=b"from the backup"))
        shutil.copyfile(backup, k.data)
        self.selected_row_at(row.y0 + row.height, "the selection to follow A3 one row down")
        self.x.key(self.main, "End")
        self.x.xdotool("type", "--delay", "100", " moved")
        k.wait_file(lambda p: b"A3 moved" in self.names(today), what="the renamed appointment saved")
        self.shot("followed")
        self.assertEqual(self.names(today), [b"A0", b"A1", b"A2", b"A3 moved"])

        # A backup without it: nothing is selected, and the keys rename nothing.
        kalvixfile.write(backup, store_of(today, [b"A0", b"A1", b"A2"]))
        shutil.copyfile(backup, k.data)
        self.selected(1, "only the day selected, no list row")
        self.x.xdotool("type", "--delay", "100", "zz")
        self.shot("gone")
        self.close_with_ok()
        self.assertEqual(self.names(today), [b"A0", b"A1", b"A2"])

    def selected_row_at(self, y0, what):
        def look():
            found = bands(self.x, self.main)
            return (found,) if len(found) == 2 and found[1].y0 == y0 else None
        return wait_until(look, what=what)
