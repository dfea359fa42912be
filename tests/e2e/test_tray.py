"""The tray icon: single click, double click, the menu's "Quit", and a
start into the tray."""

import datetime as dt
import os
import subprocess
import time

import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin
from program import MAIN_TITLE
from reminderdialog import ReminderDialog
from xsession import wait_until

# Three ticks of the one-second save timer.
QUIET_PERIOD = 3.0


def stays_absent(path, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if os.path.exists(path):
            return False
        time.sleep(0.05)
    return True


class Tray(E2ECase):
    def test_tray_single_click_saves_double_click_toggles(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        x, y = k.tray_icon()
        self.shot("start")

        self.x.click(x, y)
        k.wait_file(what="the first save after a single click on the tray icon")
        self.assertEqual(len(k.read_bytes()), kalvixfile.EMPTY_SIZE)
        # From now on the file is written every second: take it away and it
        # comes back by itself.
        os.remove(k.data)
        k.wait_file(what="the periodic save to write the file again")

        self.x.click(x, y, repeat=2)
        k.wait_hidden(main)
        self.shot("hidden")
        self.assertTrue(k.alive())
        # The double click stopped the periodic save.
        os.remove(k.data)
        self.assertTrue(stays_absent(k.data, QUIET_PERIOD),
                        "the file came back after the double click stopped the save timer")

        self.x.click(x, y, repeat=2)
        wait_until(lambda: self.x.viewable(main), what="the main window to come back")
        self.shot("shown-again")
        self.close_with_ok()
        self.assertEqual(len(k.read_bytes()), kalvixfile.EMPTY_SIZE)

    def test_a_minimised_window_comes_back_by_every_path(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        x, y = k.tray_icon()

        def minimise():
            self.x.xdotool("windowminimize", str(main))
            wait_until(lambda: self.x.iconic(main), what="the title bar's minimise to take effect")

        def back(path):
            wait_until(lambda: self.x.viewable(main) and not self.x.iconic(main) and self.x.focused() == main
                       and self.x.painted(main), what=f"the window back on screen and focused after {path}")
            self.shot(path.replace(" ", "-"))

        minimise()
        self.x.click(x, y, repeat=2)
        back("a tray double click")
        minimise()
        self.open_tray_menu()
        self.x.key_to_grab("Down", "Return")  # the first entry reads "Show"
        back("show from the menu")
        minimise()
        again = subprocess.run([k.exe], cwd=k.dir, env=self.x.env, capture_output=True, timeout=60)
        self.assertEqual(again.returncode, 0, again.stderr)
        back("a second start")
        self.close_with_ok()

    def test_after_the_tray_host_came_back_double_click_shows_and_hides(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        x, y = k.tray_icon()
        self.x.click(x, y, repeat=2)
        k.wait_hidden(main)
        try:
            self.x.stop_tray()
            # Nowhere to hide: the window is minimised, within reach.
            wait_until(lambda: self.x.iconic(main), what="the window to be minimised without a tray")
        finally:
            self.x.start_tray()
        x, y = k.tray_icon()
        for shown in (True, False, True):
            self.x.click(x, y, repeat=2)
            if shown:
                wait_until(lambda: self.x.viewable(main) and not self.x.iconic(main),
                           what="a double click to bring the window back")
            else:
                k.wait_hidden(main)
        self.shot("back-after-tray-restart")
        self.close_with_ok()

    def test_tray_menu_quit_ends_and_saves(self):
        k = self.kalvix
        store = kalvixfile.Store(minutes=0, seconds=30)
        store.add(dt.date(2044, 2, 29), Termin(time=0.25, first_remind=1.0, repeat_interval=0.5,
                                               name=b"Leap day", description=b"\xe4\xf6\xfc"))
        k.write_store(store)
        k.start()
        k.window(MAIN_TITLE)
        # Only the save on the way out can bring the file back.
        os.remove(k.data)
        self.quit_from_tray_menu()
        self.assertEqual(k.read_store(), store)

    def test_start_minimized_hides_and_tray_brings_back(self):
        k = self.kalvix
        store = kalvixfile.Store(start_minimized=True)
        k.write_store(store)
        events = self.event_log()
        k.start()
        main = self.x.find_window(MAIN_TITLE, k.pid, visible=False)

        def shown_then_hidden():
            kinds = [what for _, what in events.history(main)]
            return kinds[:2] == ["managed", "released"]
        wait_until(shown_then_hidden, what="the main window to show and then hide itself")
        self.assertFalse(self.x.viewable(main))
        self.assertTrue(k.alive())
        self.shot("hidden")

        x, y = k.tray_icon()
        self.x.click(x, y, repeat=2)
        wait_until(lambda: self.x.viewable(main), what="the tray to bring the window back")
        self.shot("restored")
        self.close_with_ok()
        self.assertTrue(k.read_store().start_minimized)

    def test_reminder_at_start_comes_before_minimizing(self):
        k = self.kalvix
        soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
        midnight = dt.datetime.combine(soon.date(), dt.time())
        store = kalvixfile.Store(start_minimized=True)
        store.add(soon.date(), Termin(time=kalvixfile.to_value(soon) - kalvixfile.to_value(midnight),
                                      first_remind=1.0, repeat_interval=1.0, name=b"Meeting"))
        k.write_store(store)
        events = self.event_log()
        k.start()
        dialog = ReminderDialog(self.x, k, events)
        dialog.wait_showing(1)
        self.assertIsNone(k.shown(MAIN_TITLE))
        self.shot("reminder")
        dialog.answer(1, "Tab", "Return")

        main = self.x.find_window(MAIN_TITLE, k.pid, visible=False)
        wait_until(lambda: [what for _, what in events.history(main)][:2] == ["managed", "released"],
                   what="the main window to show and then hide itself after the reminder")
        self.shot("hidden")
        self.quit_from_tray_menu()
        saved = k.read_store()
        self.assertTrue(saved.start_minimized)
        (_, _, meeting), = saved.records()
        self.assertGreater(meeting.last_reminded, 0)
