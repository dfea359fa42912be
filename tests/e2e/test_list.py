"""The overview list with a day of many appointments: selected with the
keyboard and the mouse on the real desktop and deleted in one go."""

import datetime as dt

import kalvixfile
from e2ecase import E2ECase
from program import MAIN_TITLE

DELETE_TITLE = "Delete appointment"
ROWS = 20000


class ManyRows(E2ECase):
    def start_with_many_today(self):
        # Today is the day the program shows at start.
        store = kalvixfile.Store()
        today = dt.date.today()
        for i in range(ROWS):
            store.add(today, kalvixfile.Termin(time=(i % 1440) / 1440.0, name=b"A%05d" % i,
                                               description=b"d" * 20))
        other = dt.date(2031, 5, 14) if today != dt.date(2031, 5, 14) else dt.date(2031, 5, 15)
        store.add(other, kalvixfile.Termin(name=b"elsewhere"))
        self.kalvix.write_store(store)
        self.kalvix.start()
        main = self.kalvix.window(MAIN_TITLE, timeout=120)
        return main, today, other

    def click_first_row(self, main):
        # Below the list's header, at the left of the "What?" column.
        # The heading panel, the header and the first rows sit in the upper
        # third of the right pane; a click there lands on a row.
        g = self.x.geometry(main)
        self.x.click(g["x"] + int(g["w"] * 0.75), g["y"] + int(g["h"] * 0.33))

    def delete_with_yes(self):
        box = self.kalvix.window(DELETE_TITLE)
        self.shot("question")
        self.x.key(box, "Return")  # Yes is the default button
        self.kalvix.wait_gone(DELETE_TITLE)

    def names_on(self, day):
        return [t.name for d, _, t in self.kalvix.read_store().records() if d == day]

    def test_select_all_and_delete(self):
        main, today, other = self.start_with_many_today()
        self.click_first_row(main)
        self.x.key(main, "ctrl+a")
        self.shot("all-selected")
        self.x.key(main, "Delete")
        self.delete_with_yes()
        self.kalvix.wait_file(lambda p: not self.names_on(today), what="the day emptied in the file")
        self.assertEqual(self.names_on(other), [b"elsewhere"])
        self.shot("emptied")
        self.assertTrue(self.kalvix.alive())
        self.close_with_ok()

    def test_end_after_select_all_keeps_only_the_last_row_selected(self):
        main, today, _ = self.start_with_many_today()
        self.click_first_row(main)
        self.x.key(main, "ctrl+a", "End")
        self.shot("last-selected")
        self.x.key(main, "Delete")
        self.delete_with_yes()
        self.kalvix.wait_file(lambda p: len(self.names_on(today)) == ROWS - 1,
                              what="one appointment deleted in the file")
        names = self.names_on(today)
        self.assertEqual(names[0], b"A00000")
        self.assertEqual(names[-1], b"A%05d" % (ROWS - 2))
        self.close_with_ok()
