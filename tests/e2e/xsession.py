"""A private X display for the end-to-end scenarios: Xvfb, openbox as the
window manager and trayer as the notification area, plus the small
helpers the scenarios use to look at windows and to type and click like a
person (xdotool, xwininfo, ImageMagick's import)."""

import ctypes
import ctypes.util
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

from wmsync import WindowManagerSync

# Every wait is a poll with a deadline; on a busy machine the deadlines are
# generous, and KALVIX_E2E_SLOW stretches them further.
SLOW = float(os.environ.get("KALVIX_E2E_SLOW", "1"))
DEFAULT_TIMEOUT = 30.0 * SLOW
POLL = 0.05

REQUIRED_TOOLS = ("Xvfb", "openbox", "trayer", "xdotool", "xwininfo", "xev", "xprop",
                  "import", "stdbuf")


class E2EError(AssertionError):
    """A scenario's expectation about the desktop did not come true."""


def missing_tools():
    return [t for t in REQUIRED_TOOLS if shutil.which(t) is None]


def selection_owner(display, selection):
    """The window owning an X selection on `display`, 0 when none does."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XGetSelectionOwner.restype = ctypes.c_ulong
    x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise E2EError(f"cannot open display {display}")
    try:
        return x11.XGetSelectionOwner(dpy, x11.XInternAtom(dpy, selection.encode(), 0))
    finally:
        x11.XCloseDisplay(dpy)


def wait_until(predicate, timeout=DEFAULT_TIMEOUT, what="condition"):
    """Polls `predicate` until it returns something truthy and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise E2EError(f"timed out after {timeout:.0f}s waiting for {what}")
        time.sleep(POLL)


_TREE_LINE = re.compile(
    r"^(?P<indent>\s*)(?P<id>0x[0-9a-f]+) (?:\"(?P<name>.*)\"|\(has no name\)): "
    r"\((?P<cls>.*)\)\s+(?P<w>\d+)x(?P<h>\d+)\+-?\d+\+-?\d+\s+\+(?P<x>-?\d+)\+(?P<y>-?\d+)")


class XSession:
    def __init__(self, width=1024, height=768):
        self.size = (width, height)
        self.tmp = tempfile.mkdtemp(prefix="kalvix-e2e-x-")
        self.procs = []
        self.display = None
        self.env = None
        self.tray = None
        self.wm_sync = None

    # -- life --------------------------------------------------------------

    def start(self):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.tmp, "xvfb.log"), "wb"))
        os.close(write_fd)
        self.procs.append(xvfb)
        number = b""
        with os.fdopen(read_fd, "rb") as r:
            number = r.readline().strip()
        if not number:
            raise E2EError("Xvfb did not report a display number")
        self.display = ":" + number.decode()

        env = dict(os.environ)
        env["DISPLAY"] = self.display
        # The program must talk to this X server itself, and a desktop bus
        # would make Qt look for a D-Bus notification area instead of the
        # XEmbed one trayer offers.
        for name in ("QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME", "WAYLAND_DISPLAY",
                     "DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY", "SESSION_MANAGER"):
            env.pop(name, None)
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env["XDG_RUNTIME_DIR"] = runtime
        self.env = env

        self._spawn(["openbox", "--sm-disable"], "openbox.log")
        wait_until(lambda: self._root_has("Openbox"), what="openbox to manage the screen")
        self.start_tray()
        return self

    # -- the notification area: it may come and go during a session -----------

    def start_tray(self):
        if self.tray is None:
            self.tray = self._spawn(["trayer", "--edge", "top", "--align", "right",
                                     "--widthtype", "request", "--height", "24",
                                     "--SetDockType", "true", "--transparent", "false",
                                     "--expand", "false"], "trayer.log")
            wait_until(self._tray_panel, what="trayer's panel")
            wait_until(self.tray_available, what="trayer to own the notification area")

    def stop_tray(self):
        if self.tray is not None:
            self.tray.terminate()
            self.tray.wait(timeout=10)
            self.procs.remove(self.tray)
            self.tray = None
            wait_until(lambda: not self._tray_panel(), what="trayer's panel to go")
            wait_until(lambda: not self.tray_available(), what="the notification area to be free")

    def tray_available(self):
        """Whether some program owns the notification area's selection."""
        return selection_owner(self.display, "_NET_SYSTEM_TRAY_S0") != 0

    def _spawn(self, argv, log):
        p = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL,
                             stderr=open(os.path.join(self.tmp, log), "wb"))
        self.procs.append(p)
        return p

    def stop(self):
        if self.wm_sync is not None:
            self.wm_sync.close()
            self.wm_sync = None
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

    # -- tools ---------------------------------------------------------------

    def run(self, *argv, check=True):
        r = subprocess.run(argv, env=self.env, capture_output=True, text=True,
                           timeout=60 * SLOW)
        if check and r.returncode != 0:
            raise E2EError(f"{' '.join(argv)} failed: {r.stderr.strip()}")
        return r.stdout

    def xdotool(self, *args, check=True):
        return self.run("xdotool", *args, check=check)

    def tree(self):
        # A window that goes away while xwininfo walks the tree spoils the
        # whole listing (BadWindow); the next one is whole again.
        def listing():
            r = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True, text=True)
            return r.stdout.splitlines() if r.returncode == 0 else None
        return wait_until(listing, what="a listing of the window tree")

    def _root_has(self, name):
        return any(f'"{name}"' in line for line in self.tree())

    def _tray_panel(self):
        for line in self.tree():
            m = _TREE_LINE.match(line)
            if m and m["name"] == "panel" and '"trayer"' in m["cls"]:
                return int(m["id"], 16)
        return None

    # -- windows -------------------------------------------------------------

    def windows(self, pid=None, name=None):
        """Ids of the windows matching (mapped or not)."""
        args = ["search", "--all"]
        if pid is not None:
            args += ["--pid", str(pid)]
        if name is not None:
            args += ["--name", name]
        else:
            args += ["--name", ""]
        out = self.xdotool(*args, check=False)
        return [int(w) for w in out.split()]

    def map_state(self, win):
        """'IsViewable', 'IsUnMapped', 'IsUnviewable', or None when gone."""
        r = subprocess.run(["xwininfo", "-id", str(win)], env=self.env,
                           capture_output=True, text=True)
        m = re.search(r"Map State: (\w+)", r.stdout)
        return m.group(1) if m else None

    def geometry(self, win):
        out = self.run("xwininfo", "-id", str(win))
        g = {}
        for key, label in (("x", "Absolute upper-left X"), ("y", "Absolute upper-left Y"),
                           ("w", "Width"), ("h", "Height")):
            g[key] = int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return g

    def iconic(self, win):
        """Whether the window manager keeps `win` minimised (WM_STATE Iconic)."""
        out = self.run("xprop", "-id", str(win), "WM_STATE", check=False)
        return "window state: Iconic" in out

    def viewable(self, win):
        return self.map_state(win) == "IsViewable"

    def find_window(self, title, pid, visible=True, timeout=DEFAULT_TIMEOUT):
        """Waits for the window of `pid` titled exactly `title`."""
        pattern = "^" + re.escape(title) + "$"

        def look():
            for w in self.windows(pid=pid, name=pattern):
                if not visible or self.viewable(w):
                    return w
            return None
        return wait_until(look, timeout, f'window "{title}"' + (" to be shown" if visible else ""))

    def visible_window(self, title, pid):
        """The shown window of `pid` titled `title`, or None, without waiting."""
        for w in self.windows(pid=pid, name="^" + re.escape(title) + "$"):
            if self.viewable(w):
                return w
        return None

    def focused(self):
        out = self.xdotool("getwindowfocus", check=False).strip()
        return int(out) if out.isdigit() else None

    def focus(self, win, timeout=DEFAULT_TIMEOUT):
        """Makes sure key presses go to `win`."""
        def has_focus():
            if self.focused() == win:
                return True
            self.xdotool("windowactivate", str(win), check=False)
            return False
        wait_until(has_focus, timeout, f"window {win:#x} to take the keyboard focus")

    def key(self, win, *keys):
        """Real key presses (through XTEST) into `win`, which gets the focus first."""
        self.focus(win)
        self.xdotool("key", "--delay", "60", *keys)

    def key_to_grab(self, *keys):
        """Key presses for whoever holds the keyboard (an open menu)."""
        self.xdotool("key", "--delay", "60", *keys)

    # -- tray ----------------------------------------------------------------

    def tray_icon_of(self, pid):
        """Centre (x, y) of the tray icon that `pid` embedded in trayer, or None."""
        own = set(self.windows(pid=pid))
        panel_indent = None
        for line in self.tree():
            m = _TREE_LINE.match(line)
            if not m:
                continue
            indent = len(m["indent"])
            if panel_indent is not None and indent <= panel_indent:
                panel_indent = None
            if m["name"] == "panel" and '"trayer"' in m["cls"]:
                panel_indent = indent
                continue
            if panel_indent is not None and int(m["id"], 16) in own:
                w, h = int(m["w"]), int(m["h"])
                if w > 1 and h > 1:
                    return int(m["x"]) + w // 2, int(m["y"]) + h // 2
        return None

    def wait_tray_icon(self, pid, timeout=DEFAULT_TIMEOUT):
        # A tray that has just started lays its icons out in steps (an icon
        # may sit beyond the screen's edge for a moment): the position
        # counts once it is on the screen and has stayed put for a while.
        seen = {"pos": None, "since": 0.0}

        def settled():
            pos = self.tray_icon_of(pid)
            now = time.monotonic()
            if pos != seen["pos"]:
                seen.update(pos=pos, since=now)
                return None
            on_screen = pos is not None and 0 <= pos[0] < self.size[0] and 0 <= pos[1] < self.size[1]
            return pos if on_screen and now - seen["since"] >= 0.3 else None
        return wait_until(settled, timeout, "the tray icon to be embedded in the notification area")

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move_pointer(self, x, y):
        # Not "mousemove --sync": it hangs when the pointer is already there.
        self.xdotool("mousemove", str(x), str(y))
        wait_until(lambda: self.pointer() == (x, y), what=f"the pointer to reach {x},{y}")

    def click(self, x, y, button=1, repeat=1):
        self.move_pointer(x, y)
        args = ["click"]
        if repeat > 1:
            args += ["--repeat", str(repeat), "--delay", "90"]
        self.xdotool(*args, str(button))
        self.window_manager_caught_up()

    def window_manager_caught_up(self):
        """Waits until openbox has passed every click so far on to its window
        (see wmsync): keys typed from then on arrive after the click."""
        if self.wm_sync is None:
            self.wm_sync = WindowManagerSync(self.display)
        if not self.wm_sync.caught_up(DEFAULT_TIMEOUT):
            raise E2EError(f"openbox did not answer within {DEFAULT_TIMEOUT:.0f}s")

    def mouse_away(self):
        self.move_pointer(self.size[0] // 2, self.size[1] - 2)

    # -- pictures ------------------------------------------------------------

    def pixels(self, win):
        """What `win` shows: (width, height, RGB bytes row by row), or None."""
        shot = subprocess.run(["import", "-window", str(win), "-depth", "8", "ppm:-"], env=self.env,
                              capture_output=True, timeout=60 * SLOW).stdout
        head = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", shot)
        return (int(head[1]), int(head[2]), shot[head.end():]) if head else None

    def painted(self, win):
        """Whether `win` shows its content rather than a black, unpainted area."""
        got = self.pixels(win)
        if not got:
            return False
        data = got[2]
        step = 3 * 97  # a sample of the pixels is enough
        lit = sum(1 for i in range(0, len(data) - 2, step) if max(data[i:i + 3]) > 32)
        return lit * step * 2 > len(data)

    def screenshot(self, path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        self.run("import", "-window", "root", path)
        return path


class XEventLog:
    """Records windows being taken into and released from the window
    manager's frames (ReparentNotify on the root), so a window that shows
    and hides again faster than anyone polls is still seen."""

    _HEAD = re.compile(r"^(\w+) event, serial")
    _REPARENT = re.compile(r"window (0x[0-9a-f]+), parent (0x[0-9a-f]+)")

    def __init__(self, session):
        self.session = session
        self.events = []  # (monotonic time, "managed"|"released", window)
        self.lock = threading.Lock()
        root = re.search(r"Window id: (0x[0-9a-f]+)", session.run("xwininfo", "-root"))
        self.root = int(root.group(1), 16)
        self.proc = subprocess.Popen(
            ["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
            env=session.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.seen_any = threading.Event()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        self._wait_listening()

    def _wait_listening(self):
        # xev prints nothing until something happens, and it may not have
        # selected its events yet when the first probe window comes and
        # goes; throw-away windows of a second xev until one is reported.
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        while not self.seen_any.is_set():
            if time.monotonic() > deadline:
                raise E2EError("the X event listener never reported an event")
            probe = subprocess.Popen(["xev", "-geometry", "1x1+0+0", "-name", "kalvix-e2e-probe"],
                                     env=self.session.env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
            try:
                self.seen_any.wait(1.0)
            finally:
                probe.terminate()
                probe.wait(timeout=10)

    def _read(self):
        kind = None
        for line in self.proc.stdout:
            head = self._HEAD.match(line)
            if head:
                kind = head.group(1)
                self.seen_any.set()
                continue
            if kind == "ReparentNotify":
                m = self._REPARENT.search(line)
                if m:
                    win, parent = int(m.group(1), 16), int(m.group(2), 16)
                    what = "released" if parent == self.root else "managed"
                    with self.lock:
                        self.events.append((time.monotonic(), what, win))
                    kind = None

    def first_managed(self, win):
        times = [t for t, what in self.history(win) if what == "managed"]
        return times[0] if times else None

    def history(self, win):
        with self.lock:
            return [(t, what) for t, what, w in self.events if w == win]

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(timeout=10)
