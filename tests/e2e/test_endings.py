"""Ways the program ends besides the close box: a signal at any moment
(while starting, while a reminder or a question is open), the display
going away, and a last save that fails."""

import datetime as dt
import os
import shutil
import signal
import subprocess

import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin
from program import ERROR_TITLE, MAIN_TITLE, QUIT_TITLE, KalvixRun
from reminderdialog import ReminderDialog, wait_answerable
from test_damaged_file import cut_in_text
from xsession import XSession, wait_until

HOUR = 1 / 24


def one_due(name=b"Due"):
    """A store with one appointment an hour from now, due at once."""
    soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=1)
    store = kalvixfile.Store()
    day = soon.date()
    time = kalvixfile.to_value(soon) - kalvixfile.to_value(dt.datetime.combine(day, dt.time()))
    store.add(day, Termin(time=time, first_remind=1.0, repeat_interval=HOUR, name=name))
    return store


def start_not_yet_due(k):
    """Starts `k` with one appointment whose reminder is a quarter hour off."""
    store = one_due()
    store.days[next(iter(store.days))][0].first_remind = HOUR / 4
    k.write_store(store)
    k.start()
    return store


def folder_state(k):
    """The data files of the program's folder (not the lock), with their bytes."""
    state = {}
    for name in sorted(os.listdir(k.dir)):
        path = os.path.join(k.dir, name)
        if name.startswith("appointments.dat") and not name.endswith(".lock") and os.path.isfile(path):
            with open(path, "rb") as f:
                state[name] = f.read()
    return state


class Signals(E2ECase):
    def assert_ended_cleanly(self, status=0):
        k = self.kalvix
        self.assertEqual(k.wait_exit(), status, k.log())
        self.assertFalse(os.path.exists(k.data + ".lock"), "the lock is given up")
        self.assertIsNone(k.shown(ERROR_TITLE))

    def test_sigterm_while_the_close_question_is_open(self):
        k = self.kalvix
        store = start_not_yet_due(k)
        k.window(MAIN_TITLE)
        k.ask_to_close()
        self.shot("question")
        os.kill(k.pid, signal.SIGTERM)
        self.assert_ended_cleanly()
        self.assertEqual(k.read_store(), store)

    def test_sigterm_while_a_reminder_of_the_start_is_open(self):
        # The check has answered nothing yet: the open reminder ends as
        # "Cancel all" and the record is saved unchanged.
        k = self.kalvix
        store = one_due()
        k.write_store(store)
        k.start()
        k.window("Appointment reminder")
        os.kill(k.pid, signal.SIGTERM)
        self.assert_ended_cleanly()
        self.assertEqual(k.read_store(), store)

    def test_sigterm_after_answering_a_reminder_saves_the_answer(self):
        k = self.kalvix
        store = one_due(b"Stop")
        # A second reminder keeps the check open after the first answer.
        day = next(iter(store.days))
        store.add(day, Termin(time=store.days[day][0].time, first_remind=1.0, repeat_interval=HOUR,
                              name=b"Open"))
        k.write_store(store)
        events = self.event_log()
        k.start()
        dialog = ReminderDialog(self.x, k, events)
        # Tab to "Remind later", Tab to "Don't remind anymore", Enter.
        dialog.answer(1, "Tab", "Tab", "Return")
        dialog.wait_showing(2)
        self.shot("second-open")
        os.kill(k.pid, signal.SIGTERM)
        self.assert_ended_cleanly()
        stored = {t.name: t for _, _, t in k.read_store().records()}
        self.assertTrue(stored[b"Stop"].done)
        self.assertGreater(stored[b"Stop"].last_reminded, 0)
        self.assertEqual(stored[b"Open"].last_reminded, 0, "the open one ends as Cancel all")

    def test_sigterm_while_the_start_reports_a_damaged_file_saves_nothing(self):
        k = self.kalvix
        k.write_bytes(cut_in_text())
        k.start()
        k.window(ERROR_TITLE)
        before = folder_state(k)
        os.kill(k.pid, signal.SIGTERM)
        self.assertEqual(k.wait_exit(), 0, k.log())
        self.assertFalse(os.path.exists(k.data + ".lock"), "the lock is given up")
        self.assertEqual(folder_state(k), before, "nothing written while ending mid-start")

    def answer_later_with_saves_failing(self, k):
        """The reminder of the start answered "Remind later" while every save
        fails (the save's temporary file cannot be made): an answer that
        only memory holds. Returns the file's bytes."""
        k.write_store(one_due())
        before = k.read_bytes()
        events = self.event_log()
        k.start()
        dialog = ReminderDialog(self.x, k, events)
        os.makedirs(k.data + ".saving/x")
        dialog.answer(1, "Tab", "Return")
        k.window(MAIN_TITLE)
        return before

    def assert_answer_kept_beside(self, k):
        kept = [n for n in os.listdir(k.dir) if n.startswith("appointments.dat.unsaved-")]
        self.assertEqual(len(kept), 1, os.listdir(k.dir))
        (_, _, termin), = kalvixfile.read(os.path.join(k.dir, kept[0])).records()
        self.assertGreater(termin.last_reminded, 0)
        return kept

    def test_sigterm_with_a_failing_save_keeps_the_store_beside_without_a_box(self):
        k = self.kalvix
        before = self.answer_later_with_saves_failing(k)
        os.kill(k.pid, signal.SIGTERM)
        self.assert_ended_cleanly()
        self.assertEqual(k.read_bytes(), before)
        kept = self.assert_answer_kept_beside(k)
        self.assertIn("could not be saved", k.log())
        self.assertIn(kept[0], k.log())

    def test_quit_with_a_failing_save_shows_the_report_then_ends(self):
        k = self.kalvix
        k.start()
        k.window(MAIN_TITLE)
        k.tray_icon()
        os.makedirs(k.data + ".saving/x")
        menu = self.open_tray_menu()
        self.x.key_to_grab("Up")
        self.x.key_to_grab("Return")
        choice = k.window(QUIT_TITLE)
        self.shot("choice")
        self.x.key(choice, "Tab", "Return")  # "Quit anyway", after "Try again"
        box = k.window(ERROR_TITLE)
        self.shot("report")
        kept = [n for n in os.listdir(k.dir) if n.startswith("appointments.dat.unsaved-")]
        self.assertEqual(len(kept), 1, os.listdir(k.dir))
        self.x.key(box, "Return")
        self.assertEqual(k.wait_exit(), 0, k.log())
        self.assertFalse(os.path.exists(k.data + ".lock"))
        self.assertEqual(list(kalvixfile.read(os.path.join(k.dir, kept[0])).records()), [])

    def test_quit_with_a_failing_save_tries_again_once_the_cause_is_gone(self):
        k = self.kalvix
        k.start()
        k.window(MAIN_TITLE)
        k.tray_icon()
        os.makedirs(k.data + ".saving/x")
        self.open_tray_menu()
        self.x.key_to_grab("Up")
        self.x.key_to_grab("Return")
        choice = k.window(QUIT_TITLE)
        shutil.rmtree(k.data + ".saving")
        self.x.key(choice, "Return")  # "Try again", the default
        self.assertEqual(k.wait_exit(), 0, k.log())
        self.assertEqual(list(k.read_store().records()), [])
        self.assertEqual([n for n in os.listdir(k.dir) if ".unsaved-" in n or n.endswith(".saving")], [])


class DisplayLost(E2ECase):
    """Runs on a display of its own, which the scenario takes away."""

    def setUp(self):
        super().setUp()
        self.own = XSession().start()
        self.addCleanup(self.own.stop)
        self.run_ = KalvixRun(self.own, self.kalvix.exe, "display-lost")
        self.addCleanup(self.run_.cleanup)

    def test_answer_saved_when_the_display_goes_away_at_once(self):
        k = self.run_
        k.write_store(one_due(b"Stop"))
        events_display = self.own
        k.start()
        win = wait_answerable(events_display, k.window("Appointment reminder"))
        # Tab to "Remind later", Tab to "Don't remind anymore", Enter; the
        # display goes at once, long before the save timer's second is up.
        events_display.key(win, "Tab", "Tab", "Return")
        k.window(MAIN_TITLE)
        self.own.procs[0].kill()  # Xvfb
        # Qt ends the process with status 1 when its X connection breaks.
        self.assertEqual(k.wait_exit(), 1, k.log())
        self.assertIn("X11 connection broke", k.log())
        self.assertFalse(os.path.exists(k.data + ".lock"), "the lock is given up")
        (_, _, termin), = k.read_store().records()
        self.assertTrue(termin.done)
        self.assertGreater(termin.last_reminded, 0)

    def test_failing_save_when_the_display_goes_away_is_kept_and_announced(self):
        # A private session bus with a monitor standing in for the
        # notification service's log.
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.addCleanup(bus.wait)
        self.addCleanup(bus.kill)
        address = bus.stdout.readline().strip()
        log_path = os.path.join(self.own.tmp, "monitor.log")
        monitor = subprocess.Popen(["dbus-monitor", "--address", address,
                                    "interface=org.freedesktop.Notifications"],
                                   stdout=open(log_path, "w"), stderr=subprocess.DEVNULL)
        self.addCleanup(monitor.wait)
        self.addCleanup(monitor.kill)
        wait_until(lambda: "NameAcquired" in open(log_path).read(), what="the bus monitor")

        k = self.run_
        k.write_store(one_due(b"Later"))
        before = k.read_bytes()
        k.start(env=dict(self.own.env, DBUS_SESSION_BUS_ADDRESS=address))
        win = wait_answerable(self.own, k.window("Appointment reminder"))
        # Every save fails from here; "Remind later" is then in memory only.
        os.makedirs(k.data + ".saving/x")
        self.own.key(win, "Tab", "Return")
        k.window(MAIN_TITLE)
        self.own.procs[0].kill()  # Xvfb
        self.assertEqual(k.wait_exit(), 1, k.log())
        self.assertEqual(k.read_bytes(), before)
        self.assertFalse(os.path.exists(k.data + ".lock"))
        kept = [n for n in os.listdir(k.dir) if n.startswith("appointments.dat.unsaved-")]
        self.assertEqual(len(kept), 1, os.listdir(k.dir))
        (_, _, termin), = kalvixfile.read(os.path.join(k.dir, kept[0])).records()
        self.assertGreater(termin.last_reminded, 0)
        self.assertIn(kept[0], k.log())
        notice = wait_until(lambda: "member=Notify" in open(log_path).read() and open(log_path).read(),
                            what="the notice on the bus")
        self.assertIn("Kalvix could not save the appointments", notice)
        self.assertIn(kept[0], notice)


def file_stamp(k):
    """What folder-sync tools look at: the data file's inode, size and times
    to the nanosecond, and which files the folder holds (the lock aside)."""
    s = os.stat(k.data)
    names = sorted(n for n in os.listdir(k.dir) if n.startswith("appointments.dat") and not n.endswith(".lock"))
    return (s.st_ino, s.st_size, s.st_mtime_ns, s.st_ctime_ns, names)


class NothingChanged(E2ECase):
    """A run that changed nothing ends without writing the data file, however
    it ends: a rewrite costs seconds on a big store and makes sync tools
    send the whole file again."""

    def shown_with_a_store(self):
        k = self.kalvix
        store = start_not_yet_due(k)
        k.window(MAIN_TITLE)
        return store, file_stamp(k)

    def assert_untouched(self, store, before):
        self.assertEqual(file_stamp(self.kalvix), before)
        self.assertEqual(self.kalvix.read_store(), store)

    def test_quit_from_the_tray_writes_nothing(self):
        store, before = self.shown_with_a_store()
        self.quit_from_tray_menu()
        self.assert_untouched(store, before)

    def test_close_box_and_ok_write_nothing(self):
        store, before = self.shown_with_a_store()
        self.close_with_ok()
        self.assert_untouched(store, before)

    def test_sigterm_writes_nothing(self):
        store, before = self.shown_with_a_store()
        os.kill(self.kalvix.pid, signal.SIGTERM)
        self.assertEqual(self.kalvix.wait_exit(), 0, self.kalvix.log())
        self.assert_untouched(store, before)
