"""A backup copied over the data file while the window runs: the window
takes it in, a command then adds to it, and the ending leaves it alone."""

import datetime as dt
import os
import shutil
import signal
import subprocess

import kalvixfile
from e2ecase import E2ECase
from kalvixfile import Termin
from program import MAIN_TITLE


def store_of(count, prefix):
    # The first three on today, the day the window shows at start.
    store = kalvixfile.Store()
    today = dt.date.today()
    for i in range(count):
        day = today if i < 3 else dt.date(2032, 1 + i % 12, 1 + i % 28)
        store.add(day, Termin(time=0.5, name=b"%s %d" % (prefix, i)))
    return store


class OutsideChange(E2ECase):
    def test_backup_copied_back_then_add_then_sigterm(self):
        k = self.kalvix
        k.write_store(store_of(50, b"Ours"))
        k.start()
        k.window(MAIN_TITLE)
        self.shot("fifty")

        backup = os.path.join(k.dir, "backup.dat")
        kalvixfile.write(backup, store_of(70, b"Restored"))
        shutil.copyfile(backup, k.data)  # in place, as cp does
        add = subprocess.run([k.exe, "add", "2033-03-03", "After the restore"], cwd=k.dir, env=self.x.env,
                             capture_output=True, text=True, timeout=120)
        self.assertEqual(add.returncode, 0, add.stderr)
        self.shot("restored")
        names = [t.name for _, _, t in k.read_store().records()]
        self.assertEqual(len(names), 71)
        self.assertEqual(sum(n.startswith(b"Restored") for n in names), 70)

        before = k.read_bytes()
        os.kill(k.pid, signal.SIGTERM)
        k.wait_exit()
        self.assertEqual(k.read_bytes(), before, "nothing changed inside: the ending writes nothing")
