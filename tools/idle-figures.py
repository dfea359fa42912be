#!/usr/bin/env python3
"""Idle cost of the real program on a private X desktop (Xvfb, openbox,
trayer): wake-ups (context switches) per second, CPU share and resident
memory over a quiet stretch, with the save timer stopped and running, for
an empty store and for one of 100,000 appointments.

Usage: tools/idle-figures.py [path/to/kalvix] [seconds]   (default 60 s)

The save timer is started the way a person starts it: one left click on
the tray icon. Nothing else happens during the measured stretch."""

import datetime as dt
import os
import random
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import kalvixfile  # noqa: E402
from program import MAIN_TITLE, KalvixRun  # noqa: E402
from xsession import XSession, missing_tools  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def spread_store(count):
    store = kalvixfile.Store()
    rnd = random.Random(4711)
    for i in range(count):
        day = kalvixfile.FIRST_DAY + dt.timedelta(days=rnd.randrange(kalvixfile.DAY_COUNT))
        store.add(day, kalvixfile.Termin(time=rnd.randrange(1440) / 1440.0, first_remind=0.0,
                                         repeat_interval=1.0, done=i % 7 == 0,
                                         name=b"Appointment %07d" % i,
                                         description=bytes([97 + i % 26]) * 100))
    return store


def switches_of(status_path):
    n = 0
    with open(status_path) as f:
        for line in f:
            if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                n += int(line.split()[1])
    return n


def sample(pid):
    """(context switches of the main thread, per thread id, CPU seconds,
    resident kB). The main thread runs the event loop and the timers; the
    other threads are Qt's X event reader and helpers that come and go."""
    main = switches_of(f"/proc/{pid}/status")
    threads = {}
    task_dir = f"/proc/{pid}/task"
    for tid in os.listdir(task_dir):
        try:
            threads[tid] = switches_of(os.path.join(task_dir, tid, "status"))
        except FileNotFoundError:
            pass
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    cpu = (int(fields[11]) + int(fields[12])) / TICKS
    rss = 0
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS"):
                rss = int(line.split()[1])
    return main, threads, cpu, rss


def measure(session, exe, appointments, timer_running, seconds):
    run = KalvixRun(session, exe, f"idle{appointments}")
    try:
        run.write_store(spread_store(appointments))
        run.start()
        run.window(MAIN_TITLE, timeout=120)
        if timer_running:
            x, y = run.tray_icon()
            session.click(x, y)  # one left click starts the save timer
        session.mouse_away()
        time.sleep(5)  # let start-up work and the first ticks settle
        before_file = os.stat(run.data)
        m0, s0, c0, r0 = sample(run.pid)
        t0 = time.monotonic()
        time.sleep(seconds)
        m1, s1, c1, r1 = sample(run.pid)
        elapsed = time.monotonic() - t0
        after_file = os.stat(run.data)
        rewritten = (before_file.st_ino, before_file.st_mtime_ns) != (after_file.st_ino, after_file.st_mtime_ns)
        return {
            "appointments": appointments,
            "timer": "running" if timer_running else "stopped",
            "wakeups_per_s": (m1 - m0) / elapsed,
            # threads that lived through the whole stretch, plus any that started in it
            "all_threads_per_s": sum(n - s0.get(tid, 0) for tid, n in s1.items()) / elapsed,
            "cpu_percent": 100.0 * (c1 - c0) / elapsed,
            "rss_start_mb": r0 / 1024.0,
            "rss_end_mb": r1 / 1024.0,
            "file_mb": after_file.st_size / 1e6,
            "file_rewritten": rewritten,
        }
    finally:
        run.cleanup()


def main():
    exe = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kalvix")
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
    missing = missing_tools()
    if missing:
        sys.exit("missing tools: " + ", ".join(missing))
    session = XSession()
    session.start()
    try:
        print(f"{'appointments':>12} {'save timer':>10} {'wake-ups/s':>10} {'all threads':>11} {'CPU %':>7} "
              f"{'RSS MB start':>12} {'RSS MB end':>10} {'file MB':>8} {'file rewritten':>14}")
        for appointments in (0, 100000):
            for running in (False, True):
                r = measure(session, exe, appointments, running, seconds)
                print(f"{r['appointments']:>12} {r['timer']:>10} {r['wakeups_per_s']:>10.2f} {r['all_threads_per_s']:>11.2f} "
                      f"{r['cpu_percent']:>7.3f} {r['rss_start_mb']:>12.1f} {r['rss_end_mb']:>10.1f} "
                      f"{r['file_mb']:>8.1f} {str(r['file_rewritten']):>14}", flush=True)
    finally:
        session.stop()


if __name__ == "__main__":
    main()
