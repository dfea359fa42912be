"""A screen reader's view: the program on the accessibility bus (AT-SPI),
every button found and pressed by its name, every editor named. Starts its
own session bus and accessibility bus; skipped with a message where
dbus-daemon, at-spi2-core or the Python bindings are missing
(tools/install-deps.sh test installs them)."""

import datetime as dt
import json
import os
import shutil
import subprocess
import unittest

import kalvixfile

from e2ecase import E2ECase
from program import MAIN_TITLE, REMINDER_TITLE
from reminderdialog import wait_answerable
from test_reminders import due_store
from xsession import wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
CLIENT = os.path.join(HERE, "atspi_client.py")
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
DEBIAN_PYTHON = "/usr/bin/python3"

BUTTONS = ["Add appointment", "Delete appointment", "One folder up", "Minimize", "About", "Exit",
           "Check for deadlines now!", "http://brontal.example/"]
EDITORS = ["Appointment:", "Time: hours", "Time: minutes", "Description:",
           "First time to remind: days", "First time to remind: hours",
           "First time to remind: minutes before", "Then remind me every: days",
           "Then remind me every: hours", "Then remind me every: minutes",
           "Check appointments every: minutes", "Check appointments every: seconds"]


class ScreenReader(E2ECase):
    def setUp(self):
        missing = [p for p in ("dbus-daemon", LAUNCHER, DEBIAN_PYTHON)
                   if not shutil.which(p) and not os.path.exists(p)]
        if missing:
            self.skipTest("no accessibility bus here: missing " + ", ".join(missing))
        super().setUp()
        self.env = dict(self.x.env)
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                "--print-address=1"], env=self.env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
        self.addCleanup(self.stop, bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=self.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.stop, launcher)
        # The program registers with the bus even without a screen reader
        # announced by the desktop.
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        probe = self.client(os.getpid(), "list")
        if probe.returncode == 77:
            self.skipTest(probe.stdout.strip())

    @staticmethod
    def stop(proc):
        proc.terminate()
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()

    def client(self, pid, *args):
        return subprocess.run([DEBIAN_PYTHON, CLIENT, str(pid), *args], env=self.env,
                              capture_output=True, text=True, timeout=60)

    def objects(self, pid):
        r = self.client(pid, "list")
        if r.returncode != 0:
            return None
        return [json.loads(line) for line in r.stdout.splitlines() if line.strip()]

    def test_every_button_found_and_pressed_by_name(self):
        k = self.kalvix
        # The appointment added below falls on today at 12:00: before noon
        # its reminder is due at the next check and would take the keys
        # meant for the window. No check comes while this scenario runs.
        k.write_store(kalvixfile.Store(minutes=60, seconds=0))
        k.start(env=self.env)
        main = k.window(MAIN_TITLE)
        wait_until(lambda: self.objects(k.pid), what="the program on the accessibility bus")
        # The detail panel and the options page are made when a person first
        # reaches them: the options page visited and left with Ctrl+Tab from
        # the date tree (from the name editor Ctrl+Tab turns the detail
        # panel's own pages), then an appointment added.
        self.x.key(main, "ctrl+Tab")
        wait_until(lambda: any(o["name"] == "Check appointments every: minutes"
                               for o in self.objects(k.pid) or []), what="the options page on the bus")
        self.x.key(main, "ctrl+Tab")
        pressed = self.client(k.pid, "press", "Add appointment")
        self.assertEqual(pressed.returncode, 0, pressed.stdout + pressed.stderr)
        objects = wait_until(lambda: [o for o in self.objects(k.pid) or [] if o["name"] == "Appointment:"]
                             and self.objects(k.pid), what="the reached pages on the accessibility bus")
        buttons = {o["name"] for o in objects if o["role"] == "push button"}
        for name in BUTTONS:
            self.assertIn(name, buttons)
        named = {o["name"] for o in objects}
        for name in EDITORS:
            self.assertIn(name, named)
        # Nothing a person can reach with the keyboard goes without a name.
        unnamed = [o for o in objects if "focusable" in o["states"] and not o["name"]
                   and o["role"] not in ("page tab list", "frame", "filler", "panel", "scroll bar",
                                              "table cell")]  # an empty cell is data
        self.assertEqual(unnamed, [], "focusable objects without a name")

        # Pressed by name: About opens the about box, whose OK closes it.
        pressed = self.client(k.pid, "press", "About")
        self.assertEqual(pressed.returncode, 0, pressed.stdout + pressed.stderr)
        k.window("Info")
        self.shot("about-by-screen-reader")
        wait_until(lambda: self.client(k.pid, "press", "OK").returncode == 0,
                   what="the about box's OK on the bus")
        k.wait_gone("Info")
        # Exit asks the close question.
        pressed = self.client(k.pid, "press", "Exit")
        self.assertEqual(pressed.returncode, 0, pressed.stdout + pressed.stderr)
        box = k.window("Quit program")
        self.x.key(box, "Return")
        self.assertEqual(k.wait_exit(), 0, k.log())
        del main

    def test_reminder_fields_tree_header_and_tray_menu_by_name(self):
        k = self.kalvix
        k.write_store(due_store(dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)))
        k.start(env=self.env)
        reminder = k.window(REMINDER_TITLE)
        objects = wait_until(lambda: self.objects(k.pid), what="the reminder on the accessibility bus")
        named = {o["name"] for o in objects}
        self.assertIn("Appointment", named)
        self.assertIn("Description", named)
        # The description keeps Escape; on "Remind later" it means "Cancel all".
        self.x.key(wait_answerable(self.x, reminder), "Tab", "Escape")

        main = k.window(MAIN_TITLE)
        objects = wait_until(lambda: (found := self.objects(k.pid)) and any(o["name"] == "Hide" for o in found)
                             and found, what="the tray menu's entries on the accessibility bus")
        headers = {o["name"] for o in objects if "header" in o["role"]}
        self.assertIn("Dates", headers)
        self.assertNotIn("1", headers)
        # The tray menu's entries, pressed by name: "Hide", then "Quit".
        pressed = self.client(k.pid, "press", "Hide")
        self.assertEqual(pressed.returncode, 0, pressed.stdout + pressed.stderr)
        k.wait_hidden(main)
        self.shot("hidden-by-screen-reader")
        pressed = self.client(k.pid, "press", "Quit")
        self.assertEqual(pressed.returncode, 0, pressed.stdout + pressed.stderr)
        self.assertEqual(k.wait_exit(), 0, k.log())


if __name__ == "__main__":
    unittest.main()
