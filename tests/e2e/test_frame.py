"""The main window's outer size, the dialogs' borders and the bottom bar's
picture buttons, seen through the window manager (openbox)."""

import re
import time
import subprocess

import datetime as dt

from e2ecase import E2ECase
from program import MAIN_TITLE, REMINDER_TITLE
from reminderdialog import wait_answerable
from test_reminders import due_store
from xsession import wait_until

ABOUT_TITLE = "Info"


class Frame(E2ECase):
    def frame_extents(self, win):
        """left, right, top, bottom as openbox announces them."""
        out = self.x.run("xprop", "-id", str(win), "_NET_FRAME_EXTENTS", check=False)
        m = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        return tuple(int(v) for v in m.groups()) if m else None

    def outer_size(self, win):
        ext = self.frame_extents(win)
        if not ext:
            return None
        g = self.x.geometry(win)
        return (g["w"] + ext[0] + ext[1], g["h"] + ext[2] + ext[3])

    def watch_unmap_and_map(self, win):
        """Starts xev on `win`; the returned function waits until it was
        unmapped and mapped again, however fast that went."""
        watch = subprocess.Popen(["stdbuf", "-oL", "xev", "-id", str(win), "-event", "structure"],
                                 env=self.x.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                 text=True)
        self.addCleanup(watch.wait, 10)
        self.addCleanup(watch.terminate)
        time.sleep(0.5)  # for xev to select its events, not a measured time

        def wait():
            seen = []
            for line in watch.stdout:
                if line.startswith(("UnmapNotify", "MapNotify")):
                    seen.append(line.split()[0])
                if seen[-2:] == ["UnmapNotify", "MapNotify"]:
                    return seen
            return seen
        return wait

    def allowed_actions(self, win):
        return self.x.run("xprop", "-id", str(win), "_NET_WM_ALLOWED_ACTIONS", check=False)

    def test_main_window_is_638_by_512_with_its_frame(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        wait_until(lambda: self.outer_size(main) == (638, 512),
                   what="the framed main window to measure 638 x 512")
        ext = self.frame_extents(main)
        self.assertGreater(ext[2], 0, "openbox gave the window a title bar")
        # The same measured on the frame window openbox put around it.
        out = self.x.run("xwininfo", "-children", "-id", str(main))
        parent = int(re.search(r"Parent window id: (0x[0-9a-f]+)", out).group(1), 16)
        frame = self.x.run("xwininfo", "-frame", "-id", str(parent))
        self.assertIn("Width: 638", frame)
        self.assertIn("Height: 512", frame)
        self.shot("framed")
        self.close_with_ok()

    def test_about_box_by_keyboard_cannot_be_minimised(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        wait_until(lambda: self.outer_size(main) == (638, 512), what="the window's final size")
        # The bottom bar's picture buttons are the last stops of the Tab
        # chain: from the page tabs, where the focus starts, Shift+Tab goes
        # to Exit, once more to About, whose Return opens the box.
        self.x.key(main, "shift+Tab", "shift+Tab")
        self.shot("about-focused")
        self.x.key(main, "Return")
        about = k.window(ABOUT_TITLE)
        self.shot("about")
        # The box asks for no minimise and no maximise function; openbox
        # still offers minimising (it ignores that hint) but not maximising.
        hints = self.x.run("xprop", "-id", str(about), "_MOTIF_WM_HINTS")
        functions = int(re.search(r"=\s*0x[0-9a-f]+,\s*(0x[0-9a-f]+)", hints).group(1), 16)
        self.assertEqual(functions & (0x08 | 0x10), 0, hints)
        self.assertNotIn("_NET_WM_ACTION_MAXIMIZE", self.allowed_actions(about))
        # Minimising it anyway (openbox takes the main window along) leaves
        # both windows on the screen.
        # xev sees the main window go (unmapped) and come back, however fast.
        came_back = self.watch_unmap_and_map(main)
        self.x.xdotool("windowminimize", str(about), check=False)
        came_back()
        wait_until(lambda: self.x.viewable(about) and self.x.viewable(main),
                   what="the about box and the main window back on the screen")
        self.shot("after-minimise")
        self.x.key(about, "Escape")
        k.wait_gone(ABOUT_TITLE)
        self.close_with_ok()

    def test_reminder_cannot_be_minimised_away(self):
        k = self.kalvix
        soon = dt.datetime.now().replace(microsecond=0) + dt.timedelta(hours=2)
        original = due_store(soon)
        k.write_store(original)
        k.start()
        reminder = k.window(REMINDER_TITLE)
        hints = self.x.run("xprop", "-id", str(reminder), "_MOTIF_WM_HINTS")
        functions = int(re.search(r"=\s*0x[0-9a-f]+,\s*(0x[0-9a-f]+)", hints).group(1), 16)
        self.assertEqual(functions & (0x08 | 0x10), 0, hints)
        came_back = self.watch_unmap_and_map(reminder)
        self.x.xdotool("windowminimize", str(reminder), check=False)
        came_back()
        wait_until(lambda: self.x.viewable(reminder), what="the reminder back on the screen")
        self.shot("reminder-back")
        # The close box (Alt+F4 through openbox): "Cancel all"; the file
        # stays as it was.
        self.x.key(wait_answerable(self.x, reminder), "alt+F4")
        k.window(MAIN_TITLE)
        self.close_with_ok()
        self.assertEqual(k.read_store(), original)
