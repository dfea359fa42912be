"""One run of the program from its own folder, as a user would have it:
the executable (and the visual-style library built beside it) copied into
a fresh directory, where it keeps appointments.dat."""

import glob
import os
import shutil
import signal
import subprocess
import tempfile

import kalvixfile
from xsession import DEFAULT_TIMEOUT, E2EError, wait_until

MAIN_TITLE = "Brontal Kalvix 1.0"
REMINDER_TITLE = "Appointment reminder"
QUIT_TITLE = "Quit program"
ERROR_TITLE = "Error"


class KalvixRun:
    def __init__(self, session, executable, name):
        self.session = session
        self.name = name
        self.dir = tempfile.mkdtemp(prefix=f"kalvix-e2e-{name}-")
        self.exe = os.path.join(self.dir, os.path.basename(executable))
        shutil.copy2(executable, self.exe)
        for lib in glob.glob(os.path.join(os.path.dirname(executable), "libkalvixtheme*.so*")):
            shutil.copy2(lib, self.dir, follow_symlinks=False)
        self.data = os.path.join(self.dir, "appointments.dat")
        self.proc = None
        self.log_path = os.path.join(self.dir, "kalvix.log")

    # -- data file -------------------------------------------------------------

    def write_store(self, store):
        kalvixfile.write(self.data, store)

    def write_bytes(self, data):
        with open(self.data, "wb") as f:
            f.write(data)

    def read_bytes(self, path=None):
        with open(path or self.data, "rb") as f:
            return f.read()

    def read_store(self):
        return kalvixfile.read(self.data)

    # -- process ---------------------------------------------------------------

    def start(self, env=None):
        """env: the environment to start in, the X session's by default."""
        self.proc = subprocess.Popen([self.exe], cwd=self.dir, env=env or self.session.env,
                                     stdin=subprocess.DEVNULL,
                                     stdout=open(self.log_path, "wb"), stderr=subprocess.STDOUT)
        return self

    @property
    def pid(self):
        return self.proc.pid

    def alive(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise E2EError(f"the program did not end within {timeout:.0f}s") from None

    def log(self):
        try:
            with open(self.log_path, "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""

    def cleanup(self):
        if self.alive():
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()
        shutil.rmtree(self.dir, ignore_errors=True)

    # -- windows ---------------------------------------------------------------

    def window(self, title, timeout=DEFAULT_TIMEOUT):
        """Waits for this run's shown window titled `title`."""
        def look():
            if not self.alive():
                raise E2EError(f'the program ended (status {self.proc.returncode}) while waiting '
                               f'for "{title}"; its output:\n{self.log()}')
            return self.session.visible_window(title, self.pid)
        return wait_until(look, timeout, f'window "{title}" to be shown')

    def shown(self, title):
        return self.session.visible_window(title, self.pid)

    def wait_hidden(self, win, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: not self.session.viewable(win), timeout, f"window {win:#x} to hide")

    def wait_gone(self, title, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: not self.shown(title), timeout, f'window "{title}" to close')

    def wait_file(self, predicate=os.path.exists, timeout=DEFAULT_TIMEOUT, what="the data file"):
        return wait_until(lambda: predicate(self.data), timeout, what)

    def tray_icon(self):
        return self.session.wait_tray_icon(self.pid)

    def ask_to_close(self):
        """Alt+F4 on the main window (the window manager closes it as the
        close box would) and returns the question box that must follow."""
        main = self.window(MAIN_TITLE)
        self.session.key(main, "alt+F4")
        return self.window(QUIT_TITLE)

    def screenshot(self, shots_dir, label=None):
        path = os.path.join(shots_dir, f"{label or self.name}.png")
        return self.session.screenshot(path)

