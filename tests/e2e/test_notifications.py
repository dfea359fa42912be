"""Reminders that come while the main window is out of sight are also
posted to the desktop's notification service (dunst on a private session
bus here); clicking the notice brings the reminder to the front, answering
the reminder takes the notice away, and without a service nothing changes."""

import datetime as dt
import html
import os
import re
import subprocess

import kalvixfile
import notifications
from e2ecase import E2ECase
from kalvixfile import Termin
from notifications import NotificationBus
from program import MAIN_TITLE, REMINDER_TITLE
from reminderdialog import ReminderDialog
from xsession import wait_until

HEADING = re.compile(r"^At .+ at .+ o'clock$")


def due_store(names, opens_in=None, check_seconds=30):
    """Appointments two hours from now. Their reminders are due at start, or
    `opens_in` (a timedelta) after now, looked for every `check_seconds`."""
    soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
    midnight = dt.datetime.combine(soon.date(), dt.time())
    lead = 1.0 if opens_in is None else (soon - dt.datetime.now() - opens_in) / dt.timedelta(days=1)
    store = kalvixfile.Store(minutes=0, seconds=check_seconds)
    for name in names:
        store.add(soon.date(), Termin(time=kalvixfile.to_value(soon) - kalvixfile.to_value(midnight),
                                      first_remind=lead, repeat_interval=1.0, name=name))
    return store


class Notifications(E2ECase):
    def setUp(self):
        missing = notifications.missing_tools()
        if missing:
            self.skipTest("missing " + ", ".join(missing) + " (tools/install-deps.sh test installs them)")
        super().setUp()

    def start_bus(self, daemon=True):
        bus = NotificationBus(self.x)
        self.addCleanup(bus.stop)
        return bus.start(daemon)

    def other_window(self):
        """A window of another program that takes the screen and the keyboard."""
        p = subprocess.Popen(["xev", "-geometry", "1024x740+0+20", "-name", "other-program"],
                             env=self.x.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: (p.terminate(), p.wait()))
        win = wait_until(lambda: next((int(w) for w in self.x.xdotool(
            "search", "--name", "^other-program$", check=False).split() if self.x.viewable(int(w))), None),
            what="the other program's window")
        self.x.focus(win)
        return win

    def first_notice_at_start(self, names):
        """Starts with `names` due at once, before the main window is on the
        screen; the bus, the reminder dialog and the first notice's body."""
        bus = self.start_bus()
        k = self.kalvix
        k.write_store(due_store(names))
        events = self.event_log()
        k.start(env=bus.env)
        dialog = ReminderDialog(self.x, k, events)
        dialog.wait_showing(1)
        (summary, body), = bus.wait_posted(1)
        self.assertRegex(summary, HEADING)
        return bus, dialog, body

    def test_reminders_while_hidden_are_posted_withdrawn_and_raised(self):
        bus, dialog, body = self.first_notice_at_start([b"Dentist", b"R&D <weekly>"])
        k = self.kalvix
        self.assertEqual(body, "Dentist")
        wait_until(bus.popup, what="dunst to show the notice")
        self.shot("first-posted")

        # Answered in the dialog, the notice goes away.
        dialog.answer(1, "Tab", "Return")
        second = dialog.wait_showing(2)
        posted = bus.wait_posted(2)
        # dunst reads the body as markup: the name must come out as typed.
        self.assertEqual(posted[1][1], html.escape("R&D <weekly>", quote=False))
        self.assertEqual(len(posted), 2)

        # Another program covers the reminder; clicking the notice brings it back.
        self.other_window()
        self.assertNotEqual(self.x.focused(), second)
        wait_until(bus.shows_the_last_alone, what="dunst to show the second notice in place of the first")
        wait_until(bus.popup, what="dunst to show the second notice")
        self.shot("covered")
        bus.click_notice()
        wait_until(lambda: self.x.focused() == second, what="the reminder to come to the front")
        self.shot("raised")
        dialog.answer(2, "Escape")
        k.window(MAIN_TITLE)
        wait_until(lambda: bus.popup() is None, what="no notice left on the screen")
        self.close_with_ok()

    def test_a_huge_name_is_posted_cut_short(self):
        bus, dialog, body = self.first_notice_at_start([b"N" * 1_000_000])
        self.assertEqual(len(body), 200)
        self.assertRegex(body, "^N+\u2026$")
        wait_until(bus.popup, what="dunst to show the notice")
        self.shot("posted")
        dialog.answer(1, "Tab", "Return")
        self.kalvix.window(MAIN_TITLE)
        self.close_with_ok()

    def test_reminder_while_on_another_workspace_is_posted(self):
        bus = self.start_bus()
        k = self.kalvix
        # Due a little after start; looked for every second.
        k.write_store(due_store([b"Standup"], opens_in=dt.timedelta(seconds=10), check_seconds=1))
        events = self.event_log()
        k.start(env=bus.env)
        main = k.window(MAIN_TITLE)
        self.x.xdotool("set_desktop_for_window", str(main), "1")
        k.wait_hidden(main)
        (summary, body), = bus.wait_posted(1)
        self.assertRegex(summary, HEADING)
        self.assertEqual(body, "Standup")
        wait_until(bus.popup, what="dunst to show the notice")
        self.shot("posted")
        # The reminder opened with the main window, on the other workspace;
        # clicking the notice brings it over to the user.
        bus.click_notice()
        dialog = ReminderDialog(self.x, k, events)
        win = dialog.wait_showing(1)
        wait_until(lambda: self.x.focused() == win, what="the reminder to take the keyboard")
        self.shot("raised")
        dialog.answer(1, "Escape")
        self.quit_from_tray_menu()

    def test_appointments_passed_since_the_last_run_are_told_once(self):
        # The last run ended five hours ago; two appointments passed since,
        # one long before. Told in one notice (and the status bar), no
        # reminder for any of them.
        k = self.kalvix
        bus = self.start_bus()
        now = dt.datetime.now().replace(microsecond=0)
        store = kalvixfile.Store()
        for hours, name in ((-30, b"Too old"), (-3, b"Dentist"), (-1, b"Call Anna")):
            when = now + dt.timedelta(hours=hours)
            store.add(when.date(), Termin(time=kalvixfile.to_value(when) - kalvixfile.to_value(
                dt.datetime.combine(when.date(), dt.time())), first_remind=3.0, repeat_interval=1.0, name=name))
        k.write_store(store)
        state = os.path.join(k.dir, "state")
        os.makedirs(os.path.join(state, "kalvix"))
        with open(os.path.join(state, "kalvix", "last-seen"), "w") as f:
            f.write("%r\t%s\n" % (kalvixfile.to_value(now - dt.timedelta(hours=5)), k.data))
        k.start(env=dict(bus.env, XDG_STATE_HOME=state))
        k.window(MAIN_TITLE)
        summary, body = bus.wait_posted(1)[0]
        self.shot("told")
        self.assertEqual(summary, "Passed without a reminder (2):")
        lines = body.splitlines()
        self.assertEqual(len(lines), 2, body)
        self.assertTrue(lines[0].endswith(" Dentist") and lines[1].endswith(" Call Anna"), body)
        self.assertIsNone(k.shown(REMINDER_TITLE))
        self.close_with_ok()
        with open(os.path.join(state, "kalvix", "last-seen")) as f:
            seen = float(f.read().split("\t")[0])
        self.assertGreater(seen, kalvixfile.to_value(now) - 1 / 86400, "the end of this run is noted for the next")

    def test_without_a_notification_service_reminders_work_as_before(self):
        bus = self.start_bus(daemon=False)
        k = self.kalvix
        store = due_store([b"Dentist"])
        k.write_store(store)
        events = self.event_log()
        k.start(env=bus.env)
        dialog = ReminderDialog(self.x, k, events)
        dialog.wait_showing(1)
        self.shot("reminder")
        dialog.answer(1, "Tab", "Return")
        k.window(MAIN_TITLE)
        self.assertEqual(bus.posted(), [])
        self.close_with_ok()
        (_, _, saved), = k.read_store().records()
        self.assertGreater(saved.last_reminded, 0)
