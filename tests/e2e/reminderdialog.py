"""Following the reminder dialog through its showings. Each showing maps
the dialog anew (its X window may even be a new one each time), and the
window manager answers every mapping with a fresh frame, so the event log
counts showings even when one follows the other within milliseconds.

For a moment after it appears the dialog takes no answer and shows its
buttons disabled; wait_answerable() waits, as a person does, until their
captions are drawn in black again."""

from program import REMINDER_TITLE
from xsession import DEFAULT_TIMEOUT, wait_until

# The row of answer buttons in the dialog's client area.
BUTTON_ROW = (10, 186, 384, 207)


def buttons_enabled(session, win):
    """Whether the dialog's button captions are drawn in black (enabled
    buttons) on the buttons' light faces; disabled ones are grey. A window
    mapped but not yet painted is black all over, which must not pass for
    black captions: on a busy machine keys then came in the dialog's first
    moment, it dropped them, and the reminder stayed open."""
    got = session.pixels(win)
    if not got:
        return False
    width, _, pixels = got
    x0, y0, x1, y1 = BUTTON_ROW
    dark = light = 0
    for y in range(y0, y1):
        row = pixels[(y * width + x0) * 3:(y * width + x1) * 3]
        for i in range(0, len(row), 3):
            if max(row[i:i + 3]) < 64:
                dark += 1
            elif min(row[i:i + 3]) > 160:
                light += 1
    return dark >= 20 and light * 2 >= (x1 - x0) * (y1 - y0)


def wait_answerable(session, win, timeout=DEFAULT_TIMEOUT):
    wait_until(lambda: buttons_enabled(session, win), timeout, "the reminder's buttons to be enabled")
    return win


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
        """Types `keys` into the n-th showing once it takes answers."""
        self.x.key(wait_answerable(self.x, self.wait_showing(n)), *keys)

    def first_shown_at(self):
        times = [t for w in self.known for t, what in self.events.history(w) if what == "managed"]
        return min(times) if times else None
