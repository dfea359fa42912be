"""A private session bus with a real notification daemon (dunst) on the
test display, and a record of every notice posted on that bus."""

import os
import re
import shutil
import subprocess
import tempfile
import threading

from xsession import DEFAULT_TIMEOUT, SLOW, E2EError, wait_until

SERVICE = "org.freedesktop.Notifications"

# Only what a session bus for one user needs, and no folders of services
# the bus could start by itself: what runs on it is what the test started.
BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={dir}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

# A left click on a notice runs its default action, as most desktops do.
DUNSTRC = """[global]
    origin = top-right
    offset = 10x40
    width = 300
    font = DejaVu Sans 9
    markup = full
    mouse_left_click = do_action, close_current
    mouse_middle_click = close_current
    mouse_right_click = close_all
    show_indicators = no
[urgency_normal]
    timeout = 0
"""

TOOLS = ("dbus-daemon", "dbus-monitor", "dbus-send", "dunst", "dunstctl")


def missing_tools():
    return [t for t in TOOLS if shutil.which(t) is None]


class NotificationBus:
    def __init__(self, session):
        self.session = session
        self.tmp = tempfile.mkdtemp(prefix="kalvix-e2e-bus-")
        self.procs = []
        self.address = None
        self.notices = []  # (summary, body) of every Notify call, in order
        self.lock = threading.Lock()

    @property
    def env(self):
        env = dict(self.session.env)
        env["DBUS_SESSION_BUS_ADDRESS"] = self.address
        return env

    def start(self, daemon=True):
        config = os.path.join(self.tmp, "bus.conf")
        with open(config, "w") as f:
            f.write(BUS_CONFIG.format(dir=self.tmp))
        bus = subprocess.Popen(["dbus-daemon", "--config-file", config, "--nofork", "--print-address=1"],
                               env=self.session.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.procs.append(bus)
        self.address = bus.stdout.readline().strip()
        if not self.address:
            raise E2EError("dbus-daemon did not report its address")
        self._watch_notify_calls()
        if daemon:
            rc = os.path.join(self.tmp, "dunstrc")
            with open(rc, "w") as f:
                f.write(DUNSTRC)
            self.procs.append(subprocess.Popen(["dunst", "-config", rc], env=self.env,
                                               stdout=subprocess.DEVNULL,
                                               stderr=open(os.path.join(self.tmp, "dunst.log"), "wb")))
            wait_until(self.service_running, what="dunst to take the notification service")
        return self

    def stop(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.procs.clear()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def service_running(self):
        r = subprocess.run(["dbus-send", "--bus=" + self.address, "--print-reply",
                            "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus.NameHasOwner", "string:" + SERVICE],
                           capture_output=True, text=True)
        return "boolean true" in r.stdout

    # -- what was posted -------------------------------------------------------

    def _watch_notify_calls(self):
        monitor = subprocess.Popen(
            ["stdbuf", "-oL", "dbus-monitor", "--address", self.address,
             "type='method_call',interface='org.freedesktop.Notifications',member='Notify'"],
            env=self.session.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.procs.append(monitor)
        ready = threading.Event()

        def read():
            strings, in_call, open_string = [], False, None
            for line in monitor.stdout:
                ready.set()
                if open_string is not None:
                    # A string with line breaks goes on over several lines.
                    if line.rstrip("\n").endswith('"'):
                        strings.append(open_string + line.rstrip("\n")[:-1])
                        open_string = None
                    else:
                        open_string += line
                    continue
                if in_call and re.match(r'\s+string "', line) and not re.match(r'\s+string ".*"$', line):
                    open_string = line.split('string "', 1)[1]
                    continue
                if line.startswith("method call"):
                    if in_call:
                        self._record(strings)
                    strings, in_call = [], "member=Notify" in line
                    continue
                m = re.match(r'\s+string "(.*)"$', line)
                if in_call and m:
                    strings.append(m.group(1))
                elif in_call and line.strip().startswith("int32"):
                    # The last argument: the call is complete.
                    self._record(strings)
                    strings, in_call = [], False
        threading.Thread(target=read, daemon=True).start()
        # dbus-monitor greets the bus with a signal of its own once it listens.
        if not ready.wait(DEFAULT_TIMEOUT):
            raise E2EError("dbus-monitor did not start listening")

    def _record(self, strings):
        # app name, icon, summary, body, then the action keys and labels
        if len(strings) >= 4:
            with self.lock:
                self.notices.append((strings[2], strings[3]))

    def posted(self):
        with self.lock:
            return list(self.notices)

    def wait_posted(self, count=1, timeout=DEFAULT_TIMEOUT):
        return wait_until(lambda: self.posted() if len(self.posted()) >= count else None,
                          timeout, f"{count} notice(s) to be posted")

    # -- the daemon's popup ------------------------------------------------------

    def shows_the_last_alone(self):
        """Whether dunst has taken in every notice posted so far and shows only
        the last one: an earlier one still shown would take a click meant
        for the new one. Notices closed by the program go to dunst's history."""
        def count(what):
            r = subprocess.run(["dunstctl", "count", what], env=self.env, capture_output=True, text=True)
            return int(r.stdout) if r.returncode == 0 and r.stdout.strip().isdigit() else None
        posted = len(self.posted())
        return count("displayed") == 1 and count("history") == posted - 1

    def click_notice(self):
        """A left click on the notice dunst shows, which dunst then closes. A
        click that comes while dunst is still busy laying the notice out
        can miss it; a person seeing the notice stay would click again."""
        for attempt in range(3):
            try:
                g = self.session.geometry(wait_until(self.popup, what="dunst to show a notice"))
                self.session.click(g["x"] + g["w"] // 2, g["y"] + g["h"] // 2)
                return wait_until(lambda: self.popup() is None, 5.0 * SLOW, "the notice to close")
            except AssertionError:
                if attempt == 2:
                    raise

    def popup(self):
        """The window in which dunst shows its notices, when it shows any."""
        for w in self.session.xdotool("search", "--class", "^Dunst$", check=False).split():
            win = int(w)
            if self.session.viewable(win) and self.session.geometry(win)["h"] > 1:
                return win
        return None
