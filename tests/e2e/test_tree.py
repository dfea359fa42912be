"""The date tree, the overview list and the name editor used with the
mouse and the keyboard: a click on a day shows that day, Ctrl+click on the
selected day clears the selection, and what is typed goes into the
appointment shown, never into one the list does not show."""

import datetime as dt

import kalvixfile
from e2ecase import E2ECase
from highlight import bands
from kalvixfile import Termin
from program import MAIN_TITLE
from xsession import wait_until


def day_of(names, hour0):
    return [Termin(time=(hour0 + i) / 24, name=n) for i, n in enumerate(names)]


A = [b"A1", b"A2", b"A3", b"A4"]
B = [b"B1", b"B2", b"B3", b"B4"]


class TreeSelection(E2ECase):
    def start_with(self, days):
        store = kalvixfile.Store()
        for day, termins in days.items():
            for t in termins:
                store.add(day, t)
        self.kalvix.write_store(store)
        self.kalvix.start()
        self.main = self.kalvix.window(MAIN_TITLE)
        return store

    def selection(self, count, what):
        """Waits until the window shows `count` selected rows (the tree's
        first, then the list's) and returns them."""
        def look():
            found = bands(self.x, self.main)
            return (found,) if len(found) == count else None
        return wait_until(look, what=what)[0]

    def ctrl_click(self, x, y, count, what):
        """Ctrl+click, Ctrl held until the window shows `count` selected rows.
        Put it elsewhere in the row than the click before: two clicks at one
        spot in quick succession are a double click, which selects nothing."""
        self.x.move_pointer(x, y)
        self.x.xdotool("keydown", "ctrl")
        try:
            self.x.xdotool("click", "1")
            return self.selection(count, what)
        finally:
            self.x.xdotool("keyup", "ctrl")

    def names(self, day):
        return [t.name for t in self.kalvix.read_store().days.get(day, [])]

    def select_last_list_row(self):
        """Today is selected at start: a click on it gives the tree the
        focus, Tab moves on to the list, End selects its last row."""
        tree, = self.selection(1, "today selected in the tree")
        self.x.click(*tree.centre())
        self.x.key(self.main, "Tab", "End")
        return self.selection(2, "the list's last row selected")

    def test_click_on_another_day_then_typing(self):
        today = dt.date.today()
        # The day next to today in the tree: the one below, or above on the
        # last day of a month.
        step = 1 if (today + dt.timedelta(days=1)).month == today.month else -1
        other = today + dt.timedelta(days=step)
        self.start_with({today: day_of(A, 9), other: day_of(B, 14)})
        tree, row4 = self.select_last_list_row()
        self.shot("fourth-selected")

        self.x.click(*tree.centre(step))
        moved = self.selection_moved_to(tree, step)
        self.shot("other-day")
        stale_list_row = len(moved) > 1

        # Tab on past the list to where the name editor was, and type: no
        # row of the day is selected, so no appointment is shown to edit.
        self.x.key(self.main, "Tab", "Tab", "Tab")
        self.x.xdotool("type", "--delay", "60", "Zed")
        self.shot("typed")
        # A click on the second row, Tab on to the name editor, type.
        self.x.click(*row4.centre(-2))
        self.x.key(self.main, "Tab", "Tab")
        self.x.xdotool("type", "--delay", "60", "Yes")
        self.shot("second-typed")
        self.close_with_ok()

        self.assertEqual(self.names(today), A, "the day no longer shown keeps its appointments")
        self.assertEqual(self.names(other), [b"B1", b"Yes", b"B3", b"B4"])
        self.assertFalse(stale_list_row, "the list kept a row of the day shown before")

    def selection_moved_to(self, tree, step):
        def look():
            found = bands(self.x, self.main)
            if found and found[0].y0 == tree.y0 + step * tree.height:
                return (found,)
            return None
        return wait_until(look, what="the clicked day to be selected")[0]

    def test_ctrl_click_clears_the_selection(self):
        today = dt.date.today()
        store = self.start_with({today: day_of(A, 9)})
        tree, _ = self.select_last_list_row()

        right_of_centre = (tree.x1 - 15, tree.centre()[1])
        self.ctrl_click(*right_of_centre, 0, "neither the day nor the list row to stay selected")
        self.shot("cleared")
        # Keys that would edit an appointment find none.
        self.x.key(self.main, "Tab", "Tab", "Tab")
        self.x.xdotool("type", "--delay", "60", "Zed")
        self.x.key(self.main, "Delete")

        self.ctrl_click(*tree.centre(), 1, "the day selected again, no list row yet")
        self.shot("selected-again")
        self.close_with_ok()
        self.assertEqual(self.kalvix.read_store(), store)

    def test_typing_a_name_after_add(self):
        today = dt.date.today()
        self.start_with({})
        # The focus starts on the page tabs; Tab reaches "Add appointment".
        self.x.key(self.main, "Tab", "space")
        self.kalvix.wait_file(what="the file written by adding an appointment")
        self.x.xdotool("type", "--delay", "60", "Dentist")
        self.shot("typed")
        self.close_with_ok()
        self.assertEqual(self.names(today), [b"Dentist"])
