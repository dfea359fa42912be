"""Reminders due at start, answered from the keyboard."""

import datetime as dt
import subprocess

import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin, to_value
from program import MAIN_TITLE, REMINDER_TITLE
from reminderdialog import ReminderDialog, wait_answerable

HOUR = 1 / 24
# The program and the test read the same clock, but not at the same instant.
CLOCK_SLACK = 5 / 86400


def due_store(soon):
    """Records due at a start shortly before `soon`, in the order the check
    meets them, plus one whose reminder window has not yet opened."""
    store = kalvixfile.Store()
    day1 = soon.date()
    day2 = day1 + dt.timedelta(days=1)
    time = to_value(soon) - to_value(dt.datetime.combine(day1, dt.time()))

    def termin(name, first_remind=3.0):
        return Termin(time=time, first_remind=first_remind, repeat_interval=HOUR,
                      name=name, description=b"Line one\r\nLine two")

    store.add(day1, termin(b"Not yet", first_remind=HOUR / 2))
    store.add(day1, termin(b"Later"))
    store.add(day1, termin(b"Stop"))
    store.add(day2, termin(b"Typed over"))
    store.add(day2, termin(b"Cancelled"))
    store.add(day2, termin(b"Never asked"))
    return store


class Reminders(E2ECase):
    def test_reminders_due_at_start_answered_by_keyboard(self):
        k = self.kalvix
        soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
        original = due_store(soon)
        k.write_store(original)
        events = self.event_log()
        started = kalvixfile.now_value()
        k.start()

        dialog = ReminderDialog(self.x, k, events)
        dialog.wait_showing(1)
        first_seen = kalvixfile.now_value()
        self.assertIsNone(k.shown(MAIN_TITLE), "the reminder comes before the main window")
        self.shot("first")
        # Focus starts on the read-only description, which keeps Enter and
        # Escape; Tab then reaches "Remind later".
        dialog.answer(1, "Return", "Escape", "Tab", "Return")
        # The dialog comes back focused on "Remind later"; one Tab further is
        # "Don't remind anymore".
        dialog.answer(2, "Tab")
        self.shot("dont-remind-focused")
        dialog.answer(2, "Return")
        # Past "Cancel all" to the name field: typing there changes nothing
        # stored, and Enter in it means "Remind later".
        dialog.answer(3, "Tab", "Tab", "ctrl+a", "x", "y", "z", "Return")
        # Escape in the name field, where the focus stayed: "Cancel all".
        dialog.answer(4, "Escape")

        main = k.window(MAIN_TITLE)
        self.assertEqual(dialog.showings(), 4, "Cancel all ends the check")
        self.assertIsNone(k.shown(REMINDER_TITLE))
        self.assertLess(dialog.first_shown_at(), events.first_managed(main))
        self.shot("main")
        self.close_with_ok()

        stored = {t.name: t for _, _, t in k.read_store().records()}
        before = {t.name: t for _, _, t in original.records()}
        self.assertEqual(set(stored), set(before))
        check_time = stored[b"Later"].last_reminded
        self.assertGreaterEqual(check_time, started - CLOCK_SLACK)
        self.assertLessEqual(check_time, first_seen + CLOCK_SLACK)
        self.assertFalse(stored[b"Later"].done)

        # One check reads the clock once: every answer stores that time.
        self.assertTrue(stored[b"Stop"].done)
        self.assertEqual(stored[b"Stop"].last_reminded, check_time)
        self.assertFalse(stored[b"Typed over"].done)
        self.assertEqual(stored[b"Typed over"].last_reminded, check_time)

        for untouched in (b"Not yet", b"Cancelled", b"Never asked"):
            self.assertEqual(stored[untouched], before[untouched], untouched)
        for name, termin in stored.items():
            self.assertEqual((termin.time, termin.first_remind, termin.repeat_interval,
                              termin.description),
                             (before[name].time, before[name].first_remind,
                              before[name].repeat_interval, before[name].description), name)

    def test_typing_while_a_reminder_appears_answers_nothing(self):
        # The first reminder is left with "Don't remind anymore" focused. A
        # second one comes (added from the shell, checks every second) while
        # the user types a name with spaces into the main window.
        k = self.kalvix
        soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
        store = kalvixfile.Store(minutes=0, seconds=1)
        store.add(dt.date.today(), Termin(time=0.5, done=True, name=b"Typing"))
        store.add(soon.date(), Termin(time=to_value(soon) - to_value(dt.datetime.combine(soon.date(), dt.time())),
                                      first_remind=1.0, repeat_interval=HOUR, name=b"First"))
        k.write_store(store)
        events = self.event_log()
        k.start()
        dialog = ReminderDialog(self.x, k, events)
        dialog.answer(1, "Tab", "Tab", "Return")
        main = k.window(MAIN_TITLE)
        # A click on today's first row, then into the name editor below it,
        # right of its text.
        g = self.x.geometry(main)
        self.x.click(g["x"] + 298, g["y"] + 159)
        self.x.click(g["x"] + 600, g["y"] + 336)
        self.shot("typing")

        typing = subprocess.Popen(["xdotool", "type", "--delay", "120", "ab " * 400], env=self.x.env)
        try:
            added = subprocess.run([k.exe, "add", "tomorrow", "12:00", "Call back"], cwd=k.dir, env=self.x.env,
                                   capture_output=True, text=True, timeout=60)
            self.assertEqual(added.returncode, 0, added.stderr)
            second = dialog.wait_showing(2)
        finally:
            typing.terminate()
            typing.wait()
            self.x.xdotool("keyup", "a", "b", "space", check=False)
        wait_answerable(self.x, second)
        self.shot("typed-over")
        self.assertTrue(self.x.viewable(second), "the keys typed for the main window answered the reminder")
        self.assertEqual(dialog.showings(), 2)
        # Back on "Don't remind anymore"; one back is "Remind later".
        dialog.answer(2, "shift+Tab", "Return")
        self.close_with_ok()
        stored = {t.name[:6]: t for _, _, t in k.read_store().records()}
        self.assertTrue(stored[b"First"].done)
        self.assertFalse(stored[b"Call b"].done)
        self.assertGreater(stored[b"Call b"].last_reminded, 0, "Remind later")
        self.assertRegex(stored[b"Typing"].name, rb"^Typing[ab ]+$", "the typing went into the name editor")

    def test_close_box_of_reminder_cancels_all(self):
        k = self.kalvix
        soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
        original = due_store(soon)
        k.write_store(original)
        k.start()
        # Alt+F4 through the window manager: the dialog's close box.
        self.x.key(wait_answerable(self.x, k.window(REMINDER_TITLE)), "alt+F4")
        k.window(MAIN_TITLE)
        self.close_with_ok()
        self.assertEqual(k.read_store(), original)
