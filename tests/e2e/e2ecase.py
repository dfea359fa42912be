"""What every scenario shares: the X session (one for the whole suite),
the program under test, where screenshots go, and a fresh program folder
per scenario that is torn down afterwards."""

import os
import unittest

from program import MAIN_TITLE, QUIT_TITLE, KalvixRun
from xsession import SLOW, XEventLog, wait_until

MENU_TIMEOUT = 5.0 * SLOW

# Filled in by run_e2e.py before the scenarios run.
SESSION = None
KALVIX = None
SHOTS = None
SM_PEER = None  # the test session manager, when built


class E2ECase(unittest.TestCase):
    def setUp(self):
        self.x = SESSION
        self.kalvix = KalvixRun(SESSION, KALVIX, self.shot_name())
        self.addCleanup(self.kalvix.cleanup)
        # Runs before the cleanup above, while the program still shows
        # whatever it showed when the scenario ended or failed.
        self.addCleanup(self.kalvix.screenshot, SHOTS, self.shot_name() + "-end")
        SESSION.mouse_away()

    def shot_name(self):
        return self._testMethodName.removeprefix("test_").replace("_", "-")

    def shot(self, label):
        return self.kalvix.screenshot(SHOTS, f"{self.shot_name()}-{label}")

    def event_log(self):
        log = XEventLog(SESSION)
        self.addCleanup(log.close)
        return log

    # -- steps many scenarios take --------------------------------------------

    def close_with_ok(self):
        """Close box, "Quit program" answered with Enter on its default button
        OK: the program ends normally."""
        box = self.kalvix.ask_to_close()
        SESSION.key(box, "Return")
        self.assertEqual(self.kalvix.wait_exit(), 0, self.kalvix.log())

    def quit_from_tray_menu(self):
        """Right click on the tray icon, "Quit" (the menu's last item)."""
        menu = self.open_tray_menu()
        SESSION.key_to_grab("Up")
        self.shot("tray-menu-quit")
        SESSION.key_to_grab("Return")
        # No question comes: the program ends by itself.
        self.assertEqual(self.kalvix.wait_exit(), 0, self.kalvix.log())
        return menu

    def open_tray_menu(self):
        """Right click on the tray icon; the menu's window once it shows.

        A menu opened in the instant the program's window is hiding itself
        can be closed again by the toolkit as the application loses the
        focus (Qt's delayed focus-out); a person would just click again,
        and so does this, a few times at most."""
        pid = self.kalvix.pid
        x, y = self.kalvix.tray_icon()
        shown_before = {w for w in SESSION.windows(pid=pid) if SESSION.viewable(w)}

        def new_popup():
            for w in SESSION.windows(pid=pid):
                if w not in shown_before and SESSION.viewable(w):
                    return w
            return None
        for attempt in range(3):
            SESSION.click(x, y, button=3)
            try:
                menu = wait_until(new_popup, MENU_TIMEOUT, "the tray menu to open")
                break
            except AssertionError:
                if attempt == 2:
                    raise
                print(f"\n  note: the tray menu did not stay open, right click number {attempt + 2}",
                      end=" ", flush=True)
        # Moving off the menu leaves no item under the mouse, so the keys
        # that follow count from the menu's ends.
        SESSION.mouse_away()
        return menu

    def assert_main_window_shown(self):
        self.assertIsNotNone(self.kalvix.window(MAIN_TITLE))

    def assert_no_question(self):
        self.assertIsNone(self.kalvix.shown(QUIT_TITLE))
