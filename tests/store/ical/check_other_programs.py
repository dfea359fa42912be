#!/usr/bin/python3
"""Our iCalendar files read by other programs.

    check_other_programs.py python-icalendar|radicale|khal|calcurse ICALTOOL
    check_other_programs.py kalvix ICALTOOL KALVIX

Each check exports the sample store with ICALTOOL and has a second,
independent implementation read it: Python's icalendar package, a Radicale
CalDAV server on 127.0.0.1 (PUT each event, read the collection back,
import it into an empty store), khal (import, then `khal list`) and calcurse
(import, which crashes on an event without SUMMARY, then `calcurse -Q`).
Exits 77 (skipped) with a message when the program is not installed.
"""

import datetime
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

SKIP = 77
ENV = dict(os.environ, TZ="Europe/Berlin")


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIP)


def fail(why):
    print("FAILED: " + why)
    sys.exit(1)


def tool(icaltool, *args):
    r = subprocess.run([icaltool, *args], env=ENV, capture_output=True, text=True)
    if r.returncode != 0:
        fail("icaltool %s: %s" % (" ".join(args), r.stderr.strip()))
    return r.stdout


def sample(icaltool, folder):
    """The sample store, its export and its appointments as dump lines."""
    store = os.path.join(folder, "sample.dat")
    ics = os.path.join(folder, "sample.ics")
    tool(icaltool, "sample", store)
    tool(icaltool, "export", store, ics)
    return store, ics, tool(icaltool, "dump", store).splitlines()


def fields(line):
    """date, time of day (seconds), first, repeat, last, done, name from a dump line."""
    p = line.split("\t")
    seconds = round(float.fromhex(p[1]) * 86400)
    return (p[0], seconds, float.fromhex(p[2]), float.fromhex(p[3]), float.fromhex(p[4]), p[5] == "1", p[6])


def check_python_icalendar(icaltool, folder):
    try:
        import icalendar
    except ImportError:
        skip("python3-icalendar is not installed")
    _, ics, dump = sample(icaltool, folder)
    cal = icalendar.Calendar.from_ical(open(ics, "rb").read())
    if str(cal.get("VERSION")) != "2.0" or not cal.get("PRODID"):
        fail("VERSION or PRODID missing")
    events = [c for c in cal.walk("VEVENT")]
    if len(events) != len(dump):
        fail("%d events for %d appointments" % (len(events), len(dump)))
    berlin_offset = None
    for ev, line in zip(events, dump):
        date, seconds, first, repeat, last, done, name = fields(line)
        start = ev.decoded("DTSTART")
        if start.tzinfo is not None:
            fail("DTSTART is not floating: %r" % start)
        want = datetime.datetime.fromisoformat(date) + datetime.timedelta(seconds=seconds)
        if start != want:
            fail("DTSTART %s, want %s" % (start, want))
        summary = str(ev.get("SUMMARY", ""))
        if "\\x" not in name and summary != name:
            fail("SUMMARY %r, want %r" % (summary, name))
        alarms = ev.walk("VALARM")
        if len(alarms) != 1 or str(alarms[0].get("ACTION")) != "DISPLAY":
            fail("%s: not one DISPLAY alarm" % name)
        alarm = alarms[0]
        trigger = alarm.decoded("TRIGGER")
        if trigger != -datetime.timedelta(seconds=round(first * 86400)):
            fail("%s: TRIGGER %s for a lead of %s days" % (name, trigger, first))
        if "REPEAT" in alarm:
            every = alarm.decoded("DURATION")
            count = int(alarm.get("REPEAT"))
            if every != datetime.timedelta(seconds=round(repeat * 86400)):
                fail("%s: DURATION %s for %s days" % (name, every, repeat))
            # The repeats run up to the appointment, not past it.
            if not (count * every <= -trigger < (count + 1) * every):
                fail("%s: %d repeats of %s for a lead of %s" % (name, count, every, -trigger))
        if last:
            # This icalendar version has no type for ACKNOWLEDGED (RFC 9074): parse it as the
            # UTC DATE-TIME the RFC says it is.
            ack = icalendar.vDatetime.from_ical(alarm["ACKNOWLEDGED"].to_ical().decode())
            if ack.utcoffset() != datetime.timedelta(0):
                fail("%s: ACKNOWLEDGED is not UTC" % name)
            local = ack.astimezone(datetime.timezone(datetime.timedelta(hours=1))).replace(tzinfo=None)
            want_last = datetime.datetime(1899, 12, 30) + datetime.timedelta(seconds=round(last * 86400))
            if local != want_last:  # the sample's reminders all fall in winter time
                fail("%s: ACKNOWLEDGED %s, want %s" % (name, local, want_last))
        elif "ACKNOWLEDGED" in alarm:
            fail("%s: ACKNOWLEDGED without a reminder" % name)
        if (str(ev.get("X-KALVIX-DONE", "")) == "TRUE") != done:
            fail("%s: Done not carried" % name)
    print("python3-icalendar read %d events with their times and alarms" % len(events))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def request(method, url, body=None, headers=None):
    req = urllib.request.Request(url, data=body, method=method, headers=headers or {})
    with urllib.request.urlopen(req, timeout=20) as r:
        return r.status, r.read()


def check_radicale(icaltool, folder):
    try:
        import icalendar
        import radicale  # noqa: F401  (the Debian package's module)
    except ImportError:
        skip("radicale or python3-icalendar is not installed")
    store, ics, dump = sample(icaltool, folder)
    port = free_port()
    base = "http://127.0.0.1:%d" % port
    server = subprocess.Popen(
        [sys.executable, "-m", "radicale", "--storage-filesystem-folder", os.path.join(folder, "collections"),
         "--server-hosts", "127.0.0.1:%d" % port, "--auth-type", "none", "--rights-type", "authenticated",
         "--logging-level", "warning"],
        stdout=subprocess.DEVNULL, stderr=open(os.path.join(folder, "radicale.log"), "w"))
    try:
        for _ in range(100):  # until it answers, at most ~10 s
            try:
                request("OPTIONS", base + "/")
                break
            except (urllib.error.URLError, ConnectionError):
                if server.poll() is not None:
                    fail("radicale ended: " + open(os.path.join(folder, "radicale.log")).read())
                time.sleep(0.1)
        request("MKCOL", base + "/kalvix/")
        request("MKCALENDAR", base + "/kalvix/appointments/")
        cal = icalendar.Calendar.from_ical(open(ics, "rb").read())
        events = cal.walk("VEVENT")
        for i, ev in enumerate(events):
            one = icalendar.Calendar()
            one.add("PRODID", cal.get("PRODID"))
            one.add("VERSION", "2.0")
            one.add_component(ev)
            status, _ = request("PUT", "%s/kalvix/appointments/%d.ics" % (base, i), one.to_ical(),
                                {"Content-Type": "text/calendar; charset=utf-8"})
            if status not in (200, 201, 204):
                fail("PUT answered %d" % status)
        status, back = request("GET", base + "/kalvix/appointments/")
        got = os.path.join(folder, "from_server.ics")
        open(got, "wb").write(back)
    finally:
        server.terminate()
        server.wait(timeout=20)
    restored = os.path.join(folder, "restored.dat")
    print(tool(icaltool, "import", got, restored, "2026-12-01", "2027-12-01").strip())
    again = tool(icaltool, "dump", restored).splitlines()
    # The server keeps its own order of items; within a day ours may change.
    if sorted(again) != sorted(dump):
        fail("appointments differ after the server:\n%s\n---\n%s" % ("\n".join(sorted(dump)), "\n".join(sorted(again))))
    print("Radicale stored %d events; imported back, the same appointments" % len(events))


def check_khal(icaltool, folder):
    khal = shutil.which("khal")
    if not khal:
        skip("khal is not installed")
    _, ics, dump = sample(icaltool, folder)
    caldir = os.path.join(folder, "calendar")
    os.makedirs(caldir)
    conf = os.path.join(folder, "khal.conf")
    with open(conf, "w") as f:
        f.write("[calendars]\n[[kalvix]]\npath = %s\ntype = calendar\n[sqlite]\npath = %s\n"
                "[locale]\ntimeformat = %%H:%%M\ndateformat = %%Y-%%m-%%d\nlongdateformat = %%Y-%%m-%%d\n"
                "datetimeformat = %%Y-%%m-%%d %%H:%%M\nlongdatetimeformat = %%Y-%%m-%%d %%H:%%M\n"
                "local_timezone = Europe/Berlin\ndefault_timezone = Europe/Berlin\n"
                % (caldir, os.path.join(folder, "khal.db")))
    env = dict(ENV, HOME=folder, XDG_CONFIG_HOME=folder, XDG_DATA_HOME=folder)
    r = subprocess.run([khal, "-c", conf, "import", "--batch", "-a", "kalvix", ics], env=env,
                       capture_output=True, text=True)
    if r.returncode != 0:
        fail("khal import: " + r.stderr)
    r = subprocess.run([khal, "-c", conf, "list", "--format", "{start-date} {start-time} {title}",
                        "2000-01-01", "2101-01-02"], env=env, capture_output=True, text=True)
    if r.returncode != 0:
        fail("khal list: " + r.stderr)
    listed = [l for l in r.stdout.splitlines() if l[:4].isdigit() and l.count(" ") >= 1 and ":" in l[:17]]
    want = []
    for line in dump:
        date, seconds, _, _, _, _, name = fields(line)
        title = name.replace("\\x80", "\u20ac")
        want.append("%s %02d:%02d %s" % (date, seconds // 3600, seconds // 60 % 60, title))
    if sorted(l.rstrip() for l in listed) != sorted(w.rstrip() for w in want):
        fail("khal lists:\n%s\nwanted:\n%s" % ("\n".join(listed), "\n".join(want)))
    print("khal lists all %d appointments on their days at their times" % len(want))


def check_calcurse(icaltool, folder):
    calcurse = shutil.which("calcurse")
    if not calcurse:
        skip("calcurse is not installed")
    _, ics, dump = sample(icaltool, folder)
    data = os.path.join(folder, "calcurse")
    os.makedirs(data)
    r = subprocess.run([calcurse, "-D", data, "-i", ics], env=ENV, capture_output=True, text=True, timeout=60)
    if r.returncode != 0:
        fail("calcurse -i ended with %d: %s" % (r.returncode, r.stderr.strip()))
    if "%d apps" % len(dump) not in r.stdout:
        fail("calcurse read other than %d appointments: %s" % (len(dump), r.stdout.strip()))
    # The empty name of the last day is there, at its time.
    r = subprocess.run([calcurse, "-D", data, "-Q", "--from", "12/31/2100", "--days", "1"], env=ENV,
                       capture_output=True, text=True, timeout=60)
    if r.returncode != 0 or "23:59" not in r.stdout:
        fail("calcurse does not list the appointment without a name: " + r.stdout + r.stderr)
    print("calcurse imported all %d appointments, the one without a name included" % len(dump))


def check_kalvix(icaltool, folder, kalvix):
    """kalvix export, then kalvix import into an empty store: every field back."""
    source = os.path.join(folder, "source")
    target = os.path.join(folder, "target")
    for d in (source, target):
        os.makedirs(d)
        shutil.copy(kalvix, os.path.join(d, "kalvix"))
    store = os.path.join(source, "appointments.dat")
    tool(icaltool, "sample", store)
    dump = tool(icaltool, "dump", store)
    env = dict(ENV, XDG_RUNTIME_DIR=folder, QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    ics = os.path.join(folder, "all.ics")

    def run(where, *args):
        r = subprocess.run([os.path.join(where, "kalvix"), *args], env=env, capture_output=True, text=True, timeout=60)
        if r.returncode != 0:
            fail("kalvix %s: %s" % (" ".join(args), r.stderr.strip()))
        return r.stdout

    run(source, "export", ics)
    print(run(target, "import", ics).strip())
    again = tool(icaltool, "dump", os.path.join(target, "appointments.dat"))
    if again != dump:
        fail("the store differs after export and import:\n%s\n---\n%s" % (dump, again))
    second = run(target, "import", ics)
    if "added 0" not in second:
        fail("importing the same file again added something: " + second)
    print("kalvix export and import gave back every field of all %d appointments" % len(dump.splitlines()))


def main():
    check = {"python-icalendar": check_python_icalendar, "radicale": check_radicale, "khal": check_khal,
             "calcurse": check_calcurse}
    if len(sys.argv) == 4 and sys.argv[1] == "kalvix":
        with tempfile.TemporaryDirectory() as folder:
            check_kalvix(sys.argv[2], folder, sys.argv[3])
        return
    if len(sys.argv) != 3 or sys.argv[1] not in check:
        fail(__doc__)
    with tempfile.TemporaryDirectory() as folder:
        check[sys.argv[1]](sys.argv[2], folder)


if __name__ == "__main__":
    main()
