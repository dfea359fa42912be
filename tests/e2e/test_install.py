"""make install / make uninstall for a user: the installed program starts
from its menu entry, keeps its data in its own folder, and uninstalling
leaves that data."""

import os
import shlex
import subprocess
import tempfile

import e2ecase
from e2ecase import E2ECase
from program import MAIN_TITLE

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                      "install-kalvix.sh")


def entry_values(path):
    values = {}
    with open(path) as f:
        for line in f:
            if "=" in line:
                key, value = line.rstrip("\n").split("=", 1)
                values[key] = value
    return values


class Install(E2ECase):
    def setUp(self):
        super().setUp()
        self.home = tempfile.mkdtemp(prefix="kalvix-e2e-home-")
        self.addCleanup(subprocess.run, ["rm", "-rf", self.home])
        self.env = dict(self.x.env, HOME=self.home)
        for name in ("XDG_DATA_HOME", "XDG_CONFIG_HOME"):
            self.env.pop(name, None)
        # A folder with a space, as a user's home may have.
        self.prefix = os.path.join(self.home, ".local", "share", "my kalvix")

    def script(self, action):
        subprocess.run([SCRIPT, action, os.path.dirname(e2ecase.KALVIX), self.prefix],
                       env=self.env, check=True, capture_output=True)

    def test_install_runs_from_menu_entry_and_uninstall_keeps_data(self):
        # The pictures are built into the program: a folder of them that an
        # older install left goes, and none is installed.
        old_pictures = os.path.join(self.prefix, "pictures")
        os.makedirs(old_pictures)
        open(os.path.join(old_pictures, "exit.gif"), "wb").close()
        self.script("install")
        self.assertFalse(os.path.exists(old_pictures))
        menu = os.path.join(self.home, ".local/share/applications/kalvix.desktop")
        autostart = os.path.join(self.home, ".config/autostart/kalvix.desktop")
        for entry in (menu, autostart):
            values = entry_values(entry)
            self.assertEqual(values["Type"], "Application")
            self.assertEqual(shlex.split(values["Exec"]), [os.path.join(self.prefix, "kalvix")])
            self.assertEqual(values["Icon"], "kalvix")
        icon = os.path.join(self.home, ".local/share/icons/hicolor/48x48/apps/kalvix.png")
        self.assertTrue(os.path.isfile(icon), "the menu entry's icon")
        panel_icons = [os.path.join(self.home, ".local/share/icons/hicolor/%dx%d/apps/kalvix.png" % (s, s))
                       for s in (22, 24)]
        for panel_icon in panel_icons:
            self.assertTrue(os.path.isfile(panel_icon), panel_icon)
        metainfo = os.path.join(self.home, ".local/share/metainfo/example.brontal.kalvix.metainfo.xml")
        self.assertTrue(os.path.isfile(metainfo), "the AppStream description beside the menu entry")
        installed = os.path.join(self.prefix, "kalvix")
        symbols = subprocess.run(["file", "-b", installed], capture_output=True, text=True).stdout
        self.assertNotIn("not stripped", symbols)

        # Start it the way the desktop would, from the entry's command line.
        argv = shlex.split(entry_values(menu)["Exec"])
        proc = subprocess.Popen(argv, env=self.x.env, cwd=self.home,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.kalvix.proc = proc
        self.kalvix.data = os.path.join(self.prefix, "appointments.dat")
        self.kalvix.window(MAIN_TITLE)
        self.shot("installed")
        self.close_with_ok()
        self.assertTrue(os.path.isfile(self.kalvix.data), "the data file beside the installed program")

        self.script("uninstall")
        self.assertFalse(os.path.exists(os.path.join(self.prefix, "kalvix")))
        self.assertFalse(os.path.exists(menu))
        self.assertFalse(os.path.exists(autostart))
        self.assertFalse(os.path.exists(icon))
        self.assertFalse(any(os.path.exists(p) for p in panel_icons + [metainfo]))
        self.assertEqual(os.listdir(self.prefix), ["appointments.dat"])
