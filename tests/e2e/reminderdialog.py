"""Following the reminder dialog through its showings. Each showing maps
the dialog anew (its X window may even be a new one each time), and the
window manager answers every mapping with a fresh frame, so the event log
counts showings even when one follows the other within milliseconds."""

from program import REMINDER_TITLE
from xsession import DEFAULT_TIMEOUT, wait_until


class ReminderDialog:
    def __init__(self, session, kalvix, events):
        self.x = session
        self.kalvix = kalvix
        self.events = events
        self.known = set()  # every X window that carried the dialog so far

    def _look(self):
        pattern = "^" + REMINDER_TITLE + "$"
        self.known.update(self.x.windows(pid=self.kalvix.pid, name=pattern))
        return self.kalvix.shown(REMINDER_TITLE)

    def showings(self):
        self._look()
        return sum(1 for w in self.known for _, what in self.events.history(w) if what == "managed")

    def wait_showing(self, n, timeout=DEFAULT_TIMEOUT):
        """Waits for the n-th showing (1-based) to be on screen; its window."""
        def ready():
            if not self.kalvix.alive():
                raise AssertionError(f"the program ended while reminder {n} was awaited")
            win = self._look()
            return win if win and self.showings() >= n else None
        return wait_until(ready, timeout, f"reminder number {n} to be shown")

    def answer(self, n, *keys):
        """Types `keys` into the n-th showing."""
        self.x.key(self.wait_showing(n), *keys)

    def first_shown_at(self):
        times = [t for w in self.known for t, what in self.events.history(w) if what == "managed"]
        return min(times) if times else None
