"""The tray icon while a modal window is open: its menu opens and "Quit"
works during a reminder, the about box and the quit question; a double
click still shows and hides the window; an about box put away comes back."""

import datetime as dt
import os

import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin
from program import MAIN_TITLE, QUIT_TITLE
from reminderdialog import ReminderDialog
from xsession import wait_until

ABOUT_TITLE = "Info"


def store_with_one_due(name=b"Dentist"):
    """One appointment two hours from now whose reminder is due at start."""
    soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
    midnight = dt.datetime.combine(soon.date(), dt.time())
    store = kalvixfile.Store()
    store.add(soon.date(), Termin(time=kalvixfile.to_value(soon) - kalvixfile.to_value(midnight),
                                  first_remind=1.0, repeat_interval=1.0, name=name))
    return store


class TrayDuringModal(E2ECase):
    def open_about_from_tray(self):
        """Tray menu, "About the program..." (second item from the bottom)."""
        self.open_tray_menu()
        self.x.key_to_grab("Up", "Up", "Return")
        return self.kalvix.window(ABOUT_TITLE)

    def test_quit_from_tray_during_a_reminder(self):
        k = self.kalvix
        store = store_with_one_due()
        k.write_store(store)
        events = self.event_log()
        k.start()
        dialog = ReminderDialog(self.x, k, events)
        dialog.wait_showing(1)
        k.tray_icon()
        os.remove(k.data)
        # The reminder ends as "Cancel all" and the program with its save.
        self.quit_from_tray_menu()
        saved = k.read_store()
        self.assertEqual(saved, store, "the open reminder must end without changing its record")

    def test_quit_from_tray_during_the_about_box(self):
        k = self.kalvix
        k.start()
        k.window(MAIN_TITLE)
        self.open_about_from_tray()
        self.shot("about")
        self.quit_from_tray_menu()
        self.assertEqual(len(k.read_bytes()), kalvixfile.EMPTY_SIZE)

    def test_quit_from_tray_during_the_quit_question(self):
        k = self.kalvix
        k.start()
        k.ask_to_close()
        self.shot("question")
        self.quit_from_tray_menu()
        self.assertEqual(len(k.read_bytes()), kalvixfile.EMPTY_SIZE)

    def test_double_click_during_the_quit_question_hides_and_shows(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        box = k.ask_to_close()
        x, y = k.tray_icon()
        self.x.click(x, y, repeat=2)
        k.wait_hidden(main)
        self.assertTrue(self.x.viewable(box), "the question stays open")
        self.shot("hidden")
        self.x.click(x, y, repeat=2)
        wait_until(lambda: self.x.viewable(main), what="the main window to come back")
        self.shot("shown-again")
        # The question is still the one to answer, and it still works.
        self.x.key(box, "Escape")
        k.wait_gone(QUIT_TITLE)
        self.assertTrue(k.alive())
        self.assertIsNotNone(k.shown(MAIN_TITLE))

    def test_about_from_the_tray_again_brings_back_the_open_box(self):
        k = self.kalvix
        k.start()
        k.window(MAIN_TITLE)
        about = self.open_about_from_tray()
        self.open_about_from_tray()
        wait_until(lambda: self.x.focused() == about, what="the open about box to take the keyboard")
        shown = [w for w in self.x.windows(pid=k.pid, name="^" + ABOUT_TITLE + "$") if self.x.viewable(w)]
        self.assertEqual(shown, [about], "no second about box")
        self.shot("back")
        self.x.key(about, "Return")
        k.wait_gone(ABOUT_TITLE)
        self.close_with_ok()
