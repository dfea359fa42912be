"""Two machines sharing their appointments through a CalDAV server
(Radicale on 127.0.0.1), each with its own program folder, calendar folder
and vdirsyncer status; a phone (another CalDAV client) beside them; khal
reading the folder Kalvix writes."""

import datetime as dt
import os
import re
import shutil
import subprocess

from caldav import SYSTEM_PYTHON, Machine, Radicale
from e2ecase import E2ECase
from program import KalvixRun, MAIN_TITLE
from reminderdialog import ReminderDialog
from xsession import wait_until

import e2ecase

LIST_TIMEOUT = 60


class VdirSync(E2ECase):
    def machines(self):
        server = Radicale()
        self.addCleanup(server.stop)
        other = KalvixRun(self.x, e2ecase.KALVIX, self.shot_name() + "-b")
        self.addCleanup(other.cleanup)
        return server, Machine(self.kalvix, self.x.env, server), Machine(other, self.x.env, server)

    def click_row(self, main, down=0):
        g = self.x.geometry(main)
        self.x.click(g["x"] + int(g["w"] * 0.75), g["y"] + int(g["h"] * 0.33))
        if down:
            self.x.key(main, *["Down"] * down)

    def rename_row(self, main, down, name):
        """A click on the day's first row (Down to the wanted one), Tab on to
        the name editor, a new name typed over the old."""
        self.click_row(main, down)
        self.x.key(main, "Tab", "Tab")
        self.x.xdotool("type", "--delay", "40", name)

    def test_two_machines_and_a_phone_through_radicale(self):
        server, a, b = self.machines()
        now = dt.datetime.now()
        soon = min(now + dt.timedelta(hours=2), now.replace(hour=23, minute=59))
        # Due at start; the other two not reminded before the scenario ends.
        a.run("add", "today", soon.strftime("%H:%M"), "Dentist")
        a.run("add", "today", "00:01", "Old meeting", "--first", "0m")
        a.run("add", "today", "23:59", "Call mum", "--first", "0m")
        self.assertIn("3 written", a.run("sync", "--vdir", a.vdir))
        a.vdirsyncer("sync")
        b.vdirsyncer("sync")
        self.assertIn("3 added", b.run("sync", "--vdir", b.vdir))
        self.assertEqual(b.names(), ["Call mum", "Dentist", "Old meeting"])

        # On A: the reminder answered "Don't remind anymore", one appointment
        # deleted, one renamed, one added; the folder follows within seconds.
        k = self.kalvix
        # Watched before the start: the reminder may be mapped before a
        # watcher begun afterwards could see it.
        events = self.event_log()
        k.start(env=a.env)
        dialog = ReminderDialog(self.x, k, events)
        dialog.answer(1, "Tab", "Tab", "Return")
        main = k.window(MAIN_TITLE)
        self.click_row(main, 1)
        self.x.key(main, "Delete")
        self.x.key(k.window("Delete appointment"), "Return")
        k.wait_gone("Delete appointment")
        self.rename_row(main, 0, "Dentist at ten")
        a.run("add", "today", "13:00", "Lunch with Ann")
        wait_until(lambda: (b"Dentist at ten" in a.folder_text() and b"Lunch with Ann" in a.folder_text()
                            and b"Old meeting" not in a.folder_text()), LIST_TIMEOUT, "A's folder to follow")
        self.assertIn(b"X-KALVIX-DONE:TRUE", a.folder_text())
        self.shot("a-edited")
        a.vdirsyncer("sync")

        # A goes offline (its calendar folder is away) and changes two
        # appointments; meanwhile the phone renames one of them earlier,
        # deletes the other and adds one of its own.
        os.rename(a.vdir, a.vdir + ".away")
        self.rename_row(main, 0, "Dentist at eleven")
        self.rename_row(main, 1, "Call mum tonight")
        self.shot("a-offline")
        self.close_with_ok()
        os.rename(a.vdir + ".away", a.vdir)
        server.edit("Dentist at ten", "Dentist at noon", "20200101T000000Z")
        server.delete("Call mum")
        server.put_new("team-1@phone", "Team meeting", dt.date.today().isoformat() + "T15:00:00")

        a.vdirsyncer("sync")
        out = a.run("sync")
        self.assertIn("Changed on both sides: \"Dentist at eleven\"", out)
        conflicts = os.path.join(k.dir, "conflicts")
        kept = b"".join(open(os.path.join(conflicts, f), "rb").read() for f in os.listdir(conflicts))
        self.assertIn(b"SUMMARY:Dentist at noon", kept)
        self.assertEqual(a.names(), ["Call mum tonight", "Dentist at eleven", "Lunch with Ann", "Team meeting"])
        a.vdirsyncer("sync")
        b.vdirsyncer("sync")
        b.run("sync")
        self.assertEqual(b.names(), a.names())
        self.assertTrue(b.record("Dentist at eleven").done, "the reminder answered on A stays answered on B")

        listed = a.khal("list", "today", "1d")
        for name in a.names():
            self.assertIn(name, listed)

        # Either machine's side index lost: nothing lost, nothing doubled.
        for m in (a, b):
            os.remove(os.path.join(m.kalvix.dir, "appointments.idx"))
            m.run("sync")
            m.vdirsyncer("sync")
        for m in (a, b):
            m.vdirsyncer("sync")
            m.run("sync")
            self.assertEqual(m.names(), ["Call mum tonight", "Dentist at eleven", "Lunch with Ann", "Team meeting"])
        self.assertEqual(len(server.items()), 4)

    def test_a_weekly_series_from_the_phone_stays_one_event(self):
        server, a, b = self.machines()
        for m in (a, b):
            m.run("sync", "--vdir", m.vdir)
        now = dt.datetime.now()
        today = now.date()
        soon = min(now + dt.timedelta(hours=2), now.replace(hour=23, minute=59)).strftime("%H%M00")
        day = lambda n: (today + dt.timedelta(days=n)).strftime("%Y%m%d")
        wd = lambda n: ["MO", "TU", "WE", "TH", "FR", "SA", "SU"][(today + dt.timedelta(days=n)).weekday()]
        # Today and four days on, weekly for five weeks (the end in UTC), the
        # second week's first left out, the first week's second moved; two
        # extra times today that have passed. Only today's due reminder shows.
        server.put_text("standup.ics", "\r\n".join([
            "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Phone//EN",
            "BEGIN:VEVENT", "UID:standup@phone", "DTSTAMP:20260101T000000Z", f"DTSTART:{day(0)}T{soon}",
            f"RRULE:FREQ=WEEKLY;BYDAY={wd(0)},{wd(4)};UNTIL={day(34)}T000000Z", f"EXDATE:{day(7)}T{soon}",
            f"RDATE:{day(0)}T000100,{day(0)}T000200", "SUMMARY:Standup", "LOCATION:Room 4", "END:VEVENT",
            "BEGIN:VEVENT", "UID:standup@phone", "DTSTAMP:20260101T000000Z", f"RECURRENCE-ID:{day(4)}T{soon}",
            f"DTSTART:{day(4)}T180000", "SUMMARY:Standup (moved)", "END:VEVENT", "END:VCALENDAR", ""]).encode())
        a.vdirsyncer("sync")
        self.assertIn("11 added", a.run("sync"))
        hm = f"{soon[:2]}:{soon[2:4]}"
        days = [today + dt.timedelta(days=n) for n in (0, 11, 14, 18, 21, 25, 28, 32)]
        self.assertEqual(a.appointments(), sorted(
            [(d, hm, "Standup") for d in days] + [(today, "00:01", "Standup"), (today, "00:02", "Standup"),
                                                 (today + dt.timedelta(days=4), "18:00", "Standup (moved)")]))

        # In the window: today's reminder answered, the 00:02 one deleted,
        # the 00:01 one renamed.
        k = self.kalvix
        # Watched before the start: the reminder may be mapped before a
        # watcher begun afterwards could see it.
        events = self.event_log()
        k.start(env=a.env)
        dialog = ReminderDialog(self.x, k, events)
        dialog.answer(1, "Tab", "Tab", "Return")
        main = k.window(MAIN_TITLE)
        self.click_row(main, 2)
        self.x.key(main, "Delete")
        self.x.key(k.window("Delete appointment"), "Return")
        k.wait_gone("Delete appointment")
        self.rename_row(main, 1, "Standup with Bo")
        wait_until(lambda: (b"Standup with Bo" in a.folder_text() and f"EXDATE:{day(0)}T000200".encode() in a.folder_text()
                            and b"X-KALVIX-DONE:TRUE" in a.folder_text()), LIST_TIMEOUT, "A's folder to follow")
        self.shot("a-edited")
        self.assertEqual(len(a.item_files()), 1)
        self.close_with_ok()

        # One event on the server still, with its three changes in it.
        a.vdirsyncer("sync")
        items = server.items()
        self.assertEqual(len(items), 1)
        body = next(iter(items.values()))
        self.assertEqual(body.count(b"BEGIN:VEVENT"), 4, body)  # the series and three changed occurrences
        self.assertIn(b"LOCATION:Room 4", body)
        b.vdirsyncer("sync")
        b.run("sync")
        self.assertEqual(b.appointments(), a.appointments())
        done = [t for d, _, t in b.kalvix.read_store().records() if t.done]
        self.assertEqual([t.name for t in done], [b"Standup"], "the answer reaches that occurrence only")
        listed = b.khal("list", "today", "1d")
        self.assertIn("Standup with Bo", listed)
        self.assertNotIn("00:02", listed)

    def test_a_yearly_series_goes_out_as_one_event(self):
        server, a, _ = self.machines()
        a.run("sync", "--vdir", a.vdir)
        first = dt.date.today() + dt.timedelta(days=10)
        self.assertIn("Added 74", a.run("add", first.isoformat(), "09:00", "Ann's birthday", "--every", "year",
                                        "--count", "74"))
        # The command mirrors the store itself: the series is one event in
        # the folder at once, and a sync after it has nothing to write.
        self.assertEqual(len([f for f in os.listdir(a.vdir) if f.endswith(".ics")]), 1)
        self.assertIn("0 written", a.run("sync"))
        a.vdirsyncer("sync")
        items = server.items()
        self.assertEqual(len(items), 1)
        script = ("import sys, icalendar\n"
                  "cal = icalendar.Calendar.from_ical(sys.stdin.buffer.read())\n"
                  "evs = [c for c in cal.walk('VEVENT')]\n"
                  "print(len(evs), evs[0]['SUMMARY'], evs[0]['RRULE'].to_ical().decode())\n")
        read = subprocess.run([SYSTEM_PYTHON, "-c", script], input=next(iter(items.values())), check=True,
                              capture_output=True).stdout.decode()
        self.assertEqual(read.split()[0], "1", read)
        self.assertIn("FREQ=YEARLY;COUNT=74", read)
        listed = a.khal("list", first.isoformat(), "800d")
        self.assertEqual(listed.count("Ann's birthday"), 3, listed)

    def test_the_readme_setup_keeps_the_later_edit_and_what_it_does_not_own(self):
        """Both machines configured from the README's text: an edit on A and
        a later one on B meet in vdirsyncer, which asks Kalvix; the phone's
        event renamed in A's window keeps what the phone wrote; a folder
        emptied under A takes no appointment away."""
        server, a, b = self.machines()
        today = dt.date.today()
        a.run("sync", "--vdir", a.vdir)
        a.run("add", "today", "23:59", "Dentist", "--first", "0m")
        self.assertEqual(len(a.item_files()), 1, "add brings the folder up to date by itself")
        self.assertEqual(os.stat(os.path.join(a.vdir, a.item_files()[0])).st_mode & 0o777, 0o600)
        phone = "\r\n".join([
            "BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Phone//EN", "BEGIN:VEVENT", "UID:lunch@phone",
            "DTSTAMP:20260101T000000Z", "LAST-MODIFIED:20260101T000000Z",
            f"DTSTART;TZID=Europe/Warsaw:{today:%Y%m%d}T120000", "DTEND;TZID=Europe/Warsaw:"
            f"{today:%Y%m%d}T133000", "SUMMARY:Lunch Łódź", "DESCRIPTION:Łódź 東京 🎉",
            "LOCATION:Piotrkowska 3\\, Łódź", "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER:PT0S",
            "DESCRIPTION:Lunch", "END:VALARM", "END:VEVENT", "END:VCALENDAR", ""]).encode()
        server.put_text("lunch.ics", phone)
        a.vdirsyncer("sync")
        self.assertIn("1 added", a.run("sync"))
        b.vdirsyncer("sync")
        self.assertIn("2 added", b.run("sync", "--vdir", b.vdir, "--take-existing"))

        # A renames both in its window, B the dentist a moment later.
        k = self.kalvix
        k.start(env=a.env)
        main = k.window(MAIN_TITLE)
        self.rename_row(main, 0, "Dentist at ten")
        self.rename_row(main, 1, "Lunch in Lodz")
        wait_until(lambda: b"Dentist at ten" in a.folder_text() and b"Lunch in Lodz" in a.folder_text(),
                   LIST_TIMEOUT, "A's folder to follow")
        self.shot("a-renamed")
        self.close_with_ok()
        item = next(open(os.path.join(a.vdir, n), "rb").read() for n in a.item_files()
                    if b"Dentist at ten" in open(os.path.join(a.vdir, n), "rb").read())
        stamp = re.search(rb"LAST-MODIFIED:(\d{8}T\d{6})Z", item)
        edited_on_a = dt.datetime.strptime(stamp.group(1).decode(), "%Y%m%dT%H%M%S")
        wait_until(lambda: dt.datetime.utcnow() > edited_on_a + dt.timedelta(seconds=1), LIST_TIMEOUT,
                   "the clock to pass A's edit")
        other = b.kalvix
        # B took both from the folder in the order it listed them: the row
        # is the dentist's place in B's day, as the window lists it.
        row = next(i for _, i, t in other.read_store().records() if t.name == b"Dentist")
        other.start(env=b.env)
        self.rename_row(other.window(MAIN_TITLE), row, "Dentist at eleven")
        wait_until(lambda: b"Dentist at eleven" in b.folder_text(), LIST_TIMEOUT, "B's folder to follow")
        self.x.key(other.ask_to_close(), "Return")
        self.assertEqual(other.wait_exit(), 0, other.log())

        a.vdirsyncer("sync")
        self.assertIn("Changed on both sides", b.vdirsyncer("sync"))
        a.vdirsyncer("sync")
        for m in (a, b):
            m.run("sync")
            self.assertEqual(m.names(), ["Dentist at eleven", "Lunch in Lodz"])
        self.assertIn(b"SUMMARY:Dentist at eleven", server.find("Dentist at eleven")[1])
        conflicts = os.path.join(b.kalvix.dir, "conflicts")
        kept = b"".join(open(os.path.join(conflicts, f), "rb").read() for f in os.listdir(conflicts))
        self.assertIn(b"SUMMARY:Dentist at ten", kept)
        self.assertEqual(os.stat(conflicts).st_mode & 0o777, 0o700)

        # The phone reads its event back with the lines it wrote.
        _, body = server.find("Lunch in Lodz")
        for line in phone.split(b"\r\n"):
            if line.startswith((b"DTSTART", b"DTEND", b"DESCRIPTION:", b"LOCATION", b"TRIGGER", b"UID")):
                self.assertIn(line + b"\r\n", body)

        # A folder emptied and made anew under A: nothing is removed.
        shutil.rmtree(a.vdir)
        os.mkdir(a.vdir)
        a.run("sync", status=1)
        self.assertEqual(a.names(), ["Dentist at eleven", "Lunch in Lodz"])
