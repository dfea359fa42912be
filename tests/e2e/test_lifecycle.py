"""Starting without a data file, and the close question."""

import datetime as dt
import os

import kalvixfile
from e2ecase import E2ECase
from program import MAIN_TITLE, QUIT_TITLE


class FirstStart(E2ECase):
    def test_first_start_closes_with_defaults(self):
        k = self.kalvix
        k.start()
        k.window(MAIN_TITLE)
        k.tray_icon()
        self.shot("main")

        box = k.ask_to_close()
        self.shot("question")
        self.x.key(box, "Return")
        self.assertEqual(k.wait_exit(), 0, k.log())

        data = k.read_bytes()
        self.assertEqual(len(data), kalvixfile.EMPTY_SIZE)
        store = kalvixfile.parse(data)
        self.assertEqual(list(store.records()), [])
        self.assertEqual((store.minutes, store.seconds, store.start_minimized), (0, 30, False))

    def test_today_selected_at_first_start(self):
        # "Add appointment" files a record under the selected day and writes
        # the file at once, so the file tells which day was selected. The
        # keyboard path: the focus starts on the page tabs and Tab moves on
        # to "Add appointment", the first button of the page.
        k = self.kalvix
        before = dt.date.today()
        k.start()
        main = k.window(MAIN_TITLE)
        self.x.key(main, "Tab", "space")
        k.wait_file(what="the file written by adding an appointment")
        after = dt.date.today()
        self.shot("added")

        records = list(k.read_store().records())
        self.assertEqual(len(records), 1, "one appointment added through the keyboard")
        day, _, termin = records[0]
        self.assertIn(day, {before, after})
        self.assertEqual(termin.name, b"No name")
        self.close_with_ok()


class CloseQuestion(E2ECase):
    def test_close_question_cancel_keeps_running(self):
        k = self.kalvix
        store = kalvixfile.Store()
        store.add(dt.date(2031, 5, 17), kalvixfile.Termin(time=0.75, name=b"Dentist",
                                                           description=b"Bring the card"))
        k.write_store(store)
        written = k.read_bytes()
        k.start()
        main = k.window(MAIN_TITLE)

        box = k.ask_to_close()
        self.x.key(box, "Escape")
        k.wait_gone(QUIT_TITLE)
        self.shot("after-cancel")
        self.assertTrue(k.alive(), "Cancel must leave the program running")
        self.assertTrue(self.x.viewable(main), "and its window visible")
        self.assertEqual(k.read_bytes(), written, "Cancel writes nothing")

        # A second request answered OK ends it, saving what it read.
        self.close_with_ok()
        self.assertEqual(k.read_store(), store)
        self.assertFalse(os.path.exists(k.data + ".bad"))
