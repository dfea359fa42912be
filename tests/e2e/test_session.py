"""Logout under an X session manager (XSMP): the test manager sm_peer
stands in for xsm and reports what the program answers."""

import datetime as dt
import os
import queue
import socket
import subprocess
import tempfile
import threading
import unittest

import e2ecase
import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin
from program import MAIN_TITLE, QUIT_TITLE, REMINDER_TITLE
from xsession import DEFAULT_TIMEOUT, E2EError

HOUR = 1 / 24


class Manager:
    """sm_peer as a child: send() a command, expect() its next report."""

    def __init__(self):
        self.proc = subprocess.Popen([e2ecase.SM_PEER], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        first = self.next()
        if not first.startswith("ADDRESS "):
            raise E2EError(f"sm_peer said {first!r}")
        self.address = first.split(" ", 1)[1]

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def next(self, timeout=DEFAULT_TIMEOUT):
        try:
            line = self.lines.get(timeout=timeout)
        except queue.Empty:
            raise E2EError("the session manager heard nothing") from None
        if line is None:
            raise E2EError("the session manager ended")
        return line

    def expect(self, wanted):
        """Skips property reports; the next other line must be `wanted`."""
        while True:
            line = self.next()
            if not line.startswith("PROPERTY "):
                if line != wanted:
                    raise E2EError(f"expected {wanted!r}, the session manager reported {line!r}")
                return

    def nothing_more(self):
        """Nothing but property reports is waiting."""
        while not self.lines.empty():
            line = self.lines.get()
            if line is not None and not line.startswith("PROPERTY "):
                raise E2EError(f"unexpected report {line!r}")

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()


def later_store():
    store = kalvixfile.Store()
    store.add(dt.date(2031, 5, 17), Termin(time=0.75, name=b"Dentist"))
    return store


class Logout(E2ECase):
    def setUp(self):
        super().setUp()
        if not e2ecase.SM_PEER:
            self.skipTest("no test session manager (run_e2e.py --sm-peer)")
        self.sm = Manager()
        self.addCleanup(self.sm.close)

    def start(self, store=None):
        k = self.kalvix
        k.write_store(store or later_store())
        env = dict(self.x.env, SESSION_MANAGER=self.sm.address)
        k.start(env=env)
        self.sm.expect("REGISTERED")
        return k

    def test_logout_asks_once_ok_ends_with_save(self):
        k = self.start()
        k.window(MAIN_TITLE)
        os.remove(k.data)  # the save before the logout brings it back
        self.sm.send("logout any")
        self.sm.expect("INTERACT_REQUEST")
        box = k.window(QUIT_TITLE)
        self.shot("question")
        self.x.key(box, "Return")
        self.sm.expect("INTERACT_DONE continue")
        self.sm.expect("SAVE_DONE ok")
        self.assertEqual(k.read_store(), later_store())
        # The manager may ask again within the same logout: no second question.
        self.sm.send("logout any")
        self.sm.expect("SAVE_DONE ok")
        self.assertIsNone(k.shown(QUIT_TITLE))
        self.sm.send("die")
        self.assertEqual(k.wait_exit(), 0, k.log())
        self.assertFalse(os.path.exists(k.data + ".lock"))
        self.assertEqual(k.read_store(), later_store())

    def test_cancel_refuses_the_logout_and_the_next_one_asks_again(self):
        k = self.start()
        k.window(MAIN_TITLE)
        self.sm.send("logout any")
        self.sm.expect("INTERACT_REQUEST")
        self.x.key(k.window(QUIT_TITLE), "Escape")
        self.sm.expect("INTERACT_DONE cancel")
        self.sm.expect("SAVE_DONE ok")
        self.sm.send("cancel")
        k.wait_gone(QUIT_TITLE)
        self.assertTrue(k.alive())
        self.sm.send("logout any")
        self.sm.expect("INTERACT_REQUEST")
        self.x.key(k.window(QUIT_TITLE), "Return")
        self.sm.expect("INTERACT_DONE continue")
        self.sm.expect("SAVE_DONE ok")
        self.sm.send("die")
        self.assertEqual(k.wait_exit(), 0, k.log())

    def test_logout_without_interaction_saves_and_ends_without_a_question(self):
        k = self.start()
        k.window(MAIN_TITLE)
        os.remove(k.data)
        self.sm.send("logout none")
        self.sm.expect("SAVE_DONE ok")
        self.assertIsNone(k.shown(QUIT_TITLE))
        self.assertEqual(k.read_store(), later_store())
        self.sm.send("die")
        self.assertEqual(k.wait_exit(), 0, k.log())

    def test_logout_without_changes_writes_nothing(self):
        k = self.start()
        k.window(MAIN_TITLE)
        before = os.stat(k.data)
        self.sm.send("logout none")
        self.sm.expect("SAVE_DONE ok")
        self.sm.send("die")
        self.assertEqual(k.wait_exit(), 0, k.log())
        after = os.stat(k.data)
        self.assertEqual((after.st_ino, after.st_size, after.st_mtime_ns, after.st_ctime_ns),
                         (before.st_ino, before.st_size, before.st_mtime_ns, before.st_ctime_ns))

    def test_checkpoint_only_saves(self):
        k = self.start()
        main = k.window(MAIN_TITLE)
        os.remove(k.data)
        self.sm.send("checkpoint")
        self.sm.expect("SAVE_DONE ok")
        self.assertEqual(k.read_store(), later_store())
        self.assertIsNone(k.shown(QUIT_TITLE))
        self.assertTrue(k.alive())
        self.assertTrue(self.x.viewable(main))
        self.close_with_ok()

    def test_ok_ends_the_program_while_a_reminder_of_the_start_is_open(self):
        soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=1)
        store = kalvixfile.Store()
        day = soon.date()
        time = kalvixfile.to_value(soon) - kalvixfile.to_value(dt.datetime.combine(day, dt.time()))
        store.add(day, Termin(time=time, first_remind=1.0, repeat_interval=HOUR, name=b"Open"))
        k = self.start(store)
        k.window(REMINDER_TITLE)
        self.sm.send("logout any")
        self.sm.expect("INTERACT_REQUEST")
        box = k.window(QUIT_TITLE)
        self.shot("question-over-reminder")
        self.x.key(box, "Return")
        self.sm.expect("INTERACT_DONE continue")
        self.sm.expect("SAVE_DONE ok")
        self.sm.send("die")
        self.assertEqual(k.wait_exit(), 0, k.log())
        self.assertIsNone(k.shown(MAIN_TITLE))
        self.assertEqual(k.read_store(), store, "the open reminder ended as Cancel all")

    def test_a_dying_session_manager_costs_nothing(self):
        k = self.start()
        main = k.window(MAIN_TITLE)
        self.sm.send("crash")
        self.sm.proc.wait()
        # Still there and working: the close question comes and OK saves.
        self.assertTrue(self.x.viewable(main))
        self.assertTrue(k.alive(), k.log())
        self.close_with_ok()
        self.assertIn("session manager went away", k.log())
        self.assertEqual(k.read_store(), later_store())


class UnusableSessionManager(E2ECase):
    """An address nobody answers at must not hold up the start."""

    def run_with(self, address):
        k = self.kalvix
        k.write_store(later_store())
        k.start(env=dict(self.x.env, SESSION_MANAGER=address))
        k.window(MAIN_TITLE)
        self.close_with_ok()
        self.assertEqual(k.read_store(), later_store())

    def test_stale_address(self):
        self.run_with("local/nowhere:" + os.path.join(tempfile.gettempdir(), "kalvix-no-such-ice-socket"))

    def test_silent_listener(self):
        folder = tempfile.mkdtemp(prefix="kalvix-e2e-ice-")
        path = os.path.join(folder, "silent")
        silent = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        silent.bind(path)
        silent.listen(4)
        self.addCleanup(silent.close)
        self.run_with("local/silent:" + path)
