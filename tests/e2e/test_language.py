"""The desktop's language and session: under a German locale the program
speaks German, Qt's own buttons included; on a desktop without a session
bus it talks to none and starts none."""

import os
import shutil

from e2ecase import E2ECase
from program import MAIN_TITLE


def bus_processes(display):
    """dbus-launch and dbus-daemon processes started on `display`."""
    found = set()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                name = os.path.basename(f.read().split(b"\0")[0])
            if name not in (b"dbus-launch", b"dbus-daemon"):
                continue
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"DISPLAY={display}".encode() in f.read().split(b"\0"):
                    found.add(int(pid))
        except OSError:
            continue  # gone meanwhile, or not ours to read
    return found


class Language(E2ECase):
    def test_german_desktop_asks_in_german(self):
        k = self.kalvix
        env = dict(self.x.env, LANG="de_DE.UTF-8", LANGUAGE="de")
        env.pop("LC_ALL", None)
        env.pop("LC_MESSAGES", None)
        k.start(env)
        main = k.window(MAIN_TITLE)
        self.shot("window")
        self.x.key(main, "alt+F4")
        box = k.window("Programm beenden")
        self.shot("quit-question")
        self.x.key(box, "Return")  # "OK", the default button
        self.assertEqual(k.wait_exit(), 0, k.log())

    def test_no_session_bus_none_is_started(self):
        if not shutil.which("dbus-launch"):
            self.skipTest("dbus-launch (dbus-x11) is not installed, so nothing could be autolaunched")
        # The session of these scenarios has no bus: no address, nothing in
        # the runtime folder.
        self.assertNotIn("DBUS_SESSION_BUS_ADDRESS", self.x.env)
        self.assertFalse(os.path.exists(os.path.join(self.x.env["XDG_RUNTIME_DIR"], "bus")))
        before = bus_processes(self.x.display)
        k = self.kalvix
        k.start()
        k.window(MAIN_TITLE)
        k.tray_icon()
        self.quit_from_tray_menu()
        self.assertEqual(bus_processes(self.x.display) - before, set())
