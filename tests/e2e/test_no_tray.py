"""Desktops without a notification area, and one whose notification area
comes and goes: the window is minimised instead of hidden, the tray menu is
the window's context menu, and the icon turns up once a tray does."""

import kalvixfile
from e2ecase import E2ECase
from program import MAIN_TITLE
from xsession import wait_until


class NoTray(E2ECase):
    def setUp(self):
        super().setUp()
        # Later scenarios expect the notification area back, also when
        # taking it away went wrong.
        self.addCleanup(self.x.start_tray)
        self.x.stop_tray()

    def test_start_minimized_without_a_tray_minimises_and_the_icon_comes_later(self):
        k = self.kalvix
        k.write_store(kalvixfile.Store(start_minimized=True))
        k.start()
        main = self.x.find_window(MAIN_TITLE, k.pid, visible=False)
        wait_until(lambda: self.x.iconic(main), what="the main window to be minimised")
        self.assertTrue(k.alive())
        self.shot("minimised")
        # Back from the taskbar (here: the window manager) it is all there.
        self.x.xdotool("windowactivate", str(main))
        wait_until(lambda: self.x.viewable(main), what="the minimised window to come back")

        self.x.start_tray()
        k.tray_icon()
        self.shot("tray-appeared")
        self.quit_from_tray_menu()
        self.assertTrue(k.read_store().start_minimized)

    def test_window_menu_hides_by_minimising_and_quits(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        menu = self.open_window_menu(main)
        self.shot("window-menu")
        self.x.key_to_grab("Down", "Return")  # "Hide", the first entry
        wait_until(lambda: self.x.iconic(main), what="the main window to be minimised")
        self.assertTrue(k.alive())
        self.assertFalse(self.x.viewable(menu))

        self.x.xdotool("windowactivate", str(main))
        wait_until(lambda: self.x.viewable(main), what="the minimised window to come back")
        self.open_window_menu(main)
        self.x.key_to_grab("Up", "Return")  # "Quit"
        self.assertEqual(k.wait_exit(), 0, k.log())
        self.assertEqual(len(k.read_bytes()), kalvixfile.EMPTY_SIZE)

    def open_window_menu(self, main):
        """The context menu key on the window (its first control, the page
        tabs, has no menu of its own)."""
        before = {w for w in self.x.windows(pid=self.kalvix.pid) if self.x.viewable(w)}
        self.x.key(main, "Menu")
        return wait_until(lambda: next((w for w in self.x.windows(pid=self.kalvix.pid)
                                        if w not in before and self.x.viewable(w)), None),
                          what="the window's menu to open")


class TrayComesAndGoes(E2ECase):
    def test_tray_host_restarts_while_hidden(self):
        k = self.kalvix
        k.start()
        main = k.window(MAIN_TITLE)
        self.open_tray_menu()
        self.x.key_to_grab("Down", "Return")  # "Hide"
        k.wait_hidden(main)

        # The notification area goes away: the hidden window would be lost,
        # so it turns up minimised instead.
        self.addCleanup(self.x.start_tray)
        self.x.stop_tray()
        wait_until(lambda: self.x.iconic(main), what="the hidden window to be minimised")
        self.shot("tray-gone")

        # It comes back: the icon is registered with it again.
        self.x.start_tray()
        k.tray_icon()
        self.shot("tray-back")
        self.quit_from_tray_menu()
