"""The network side of a calendar mirror, all on 127.0.0.1: a Radicale
server started for one scenario, a small CalDAV client standing for a
phone, and one "machine": a Kalvix program folder with its own calendar
folder (vdir), vdirsyncer configuration and status, and khal
configuration. Debian's Radicale and python3-icalendar run under
/usr/bin/python3, whatever Python runs the suite."""

import http.client
import os
import re
import shutil
import socket
import subprocess
import tempfile

from xsession import wait_until

SYSTEM_PYTHON = "/usr/bin/python3"
USER = "anna"
CALENDAR = f"/{USER}/kalvix/"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Radicale:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="kalvix-e2e-radicale-")
        self.port = free_port()
        self.log = open(os.path.join(self.dir, "radicale.log"), "wb")
        self.proc = subprocess.Popen(
            [SYSTEM_PYTHON, "-m", "radicale", "--server-hosts", f"127.0.0.1:{self.port}", "--auth-type", "none",
             "--rights-type", "owner_only", "--storage-filesystem-folder", os.path.join(self.dir, "collections")],
            stdout=self.log, stderr=subprocess.STDOUT)
        wait_until(self._answers, 60, "Radicale to listen")
        status, _ = self.request("MKCALENDAR", CALENDAR)
        assert status == 201, f"MKCALENDAR answered {status}"

    def _answers(self):
        if self.proc.poll() is not None:
            raise AssertionError("Radicale ended: " + open(self.log.name, errors="replace").read())
        try:
            return self.request("OPTIONS", "/")[0] == 200
        except OSError:
            return False

    @property
    def url(self):
        return f"http://127.0.0.1:{self.port}{CALENDAR}"

    def request(self, method, path, body=None, headers=None):
        c = http.client.HTTPConnection("127.0.0.1", self.port, timeout=30)
        h = {"Authorization": "Basic YW5uYTp4"}  # anna:x
        h.update(headers or {})
        c.request(method, path, body=body, headers=h)
        r = c.getresponse()
        data = r.read()
        c.close()
        return r.status, data

    # -- the phone: another CalDAV client ----------------------------------------

    def items(self):
        """{href: bytes} of every event in the calendar."""
        status, data = self.request("PROPFIND", CALENDAR, headers={"Depth": "1"})
        assert status == 207, status
        hrefs = [h for h in re.findall(rb"<(?:\w+:)?href>([^<]+)</", data) if h.endswith(b".ics")]
        return {h.decode(): self.request("GET", h.decode())[1] for h in hrefs}

    def find(self, summary):
        for href, body in self.items().items():
            if re.search(rb"^SUMMARY:" + re.escape(summary.encode()) + rb"\r?$", body, re.M):
                return href, body
        raise AssertionError(f"no event {summary!r} on the server")

    def edit(self, summary, new_summary, last_modified):
        href, body = self.find(summary)
        body = re.sub(rb"^SUMMARY:.*$", b"SUMMARY:" + new_summary.encode() + b"\r", body, count=1, flags=re.M)
        body = re.sub(rb"^LAST-MODIFIED:.*$", b"LAST-MODIFIED:" + last_modified.encode() + b"\r", body, flags=re.M)
        status, _ = self.request("PUT", href, body, {"Content-Type": "text/calendar"})
        assert status in (201, 204), status

    def delete(self, summary):
        href, _ = self.find(summary)
        assert self.request("DELETE", href)[0] in (200, 204)

    def put_new(self, uid, summary, start):
        """An event made with python3-icalendar, as a script of another
        program would make it."""
        script = (
            "import sys, datetime as dt, icalendar\n"
            "cal = icalendar.Calendar(); cal.add('prodid', '-//Phone//EN'); cal.add('version', '2.0')\n"
            "ev = icalendar.Event(); ev.add('uid', sys.argv[1]); ev.add('summary', sys.argv[2])\n"
            "ev.add('dtstart', dt.datetime.fromisoformat(sys.argv[3])); ev.add('dtstamp', dt.datetime.utcnow())\n"
            "cal.add_component(ev); sys.stdout.buffer.write(cal.to_ical())\n")
        body = subprocess.run([SYSTEM_PYTHON, "-c", script, uid, summary, start], check=True,
                              capture_output=True).stdout
        status, _ = self.request("PUT", f"{CALENDAR}{uid}.ics", body, {"Content-Type": "text/calendar"})
        assert status == 201, status

    def put_text(self, name, body):
        """An item as another program wrote it, byte for byte."""
        status, _ = self.request("PUT", f"{CALENDAR}{name}", body, {"Content-Type": "text/calendar"})
        assert status == 201, status

    def stop(self):
        self.proc.terminate()
        self.proc.wait(30)
        self.log.close()
        shutil.rmtree(self.dir, ignore_errors=True)


README = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "README.md")
README_URL = "http://radicale.example.org:5232/anna/appointments/"


def readme_vdirsyncer_config(url):
    """The vdirsyncer configuration exactly as README.md shows it for a
    Radicale server, with only the server's address put in."""
    lines = open(README, encoding="utf-8").read().split("\n")
    start = lines.index("`~/.config/vdirsyncer/config` for a Radicale server:") + 1
    block = []
    for line in lines[start:]:
        if line and not line.startswith("    "):
            break
        block.append(line[4:])
    text = "\n".join(block).strip() + "\n"
    assert README_URL in text, text
    return text.replace(README_URL, url)


class Machine:
    """One computer: Kalvix's program folder (a KalvixRun), its home with
    the calendar folder, vdirsyncer's configuration as the README has it
    (the folder ~/.local/share/calendar), and `kalvix` on the PATH. The
    README keeps the server's password with `pass`: here a stand-in
    answers for it."""

    def __init__(self, kalvix, session_env, server):
        self.kalvix = kalvix
        self.home = os.path.join(kalvix.dir, "home")
        self.vdir = os.path.join(self.home, ".local", "share", "calendar")
        os.makedirs(self.vdir)
        tools = os.path.join(self.home, "bin")
        os.makedirs(tools)
        with open(os.path.join(tools, "pass"), "w") as f:
            f.write('#!/bin/sh\n[ "$1" = radicale ] && echo x\n')
        os.chmod(os.path.join(tools, "pass"), 0o755)
        self.env = dict(session_env, XDG_CONFIG_HOME=os.path.join(self.home, ".config"), HOME=self.home,
                        PATH=os.pathsep.join([kalvix.dir, tools, session_env.get("PATH", os.defpath)]))
        self.vdirsyncer_config = os.path.join(self.home, ".config", "vdirsyncer", "config")
        os.makedirs(os.path.dirname(self.vdirsyncer_config))
        with open(self.vdirsyncer_config, "w") as f:
            f.write(readme_vdirsyncer_config(server.url))
        self.khal_config = os.path.join(self.home, "khal.conf")
        with open(self.khal_config, "w") as f:
            f.write(f"""[calendars]
[[kalvix]]
path = {self.vdir}
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
""")
        self.vdirsyncer("discover", "kalvix")

    def vdirsyncer(self, *args):
        r = subprocess.run(["vdirsyncer", "-c", self.vdirsyncer_config, *args], env=self.env, input="y\n",
                           capture_output=True, text=True, timeout=120)
        assert r.returncode == 0, r.stdout + r.stderr
        return r.stdout + r.stderr

    def run(self, *args, status=0):
        r = subprocess.run([self.kalvix.exe, *args], cwd=self.kalvix.dir, env=self.env, capture_output=True,
                           text=True, timeout=120)
        assert r.returncode == status, f"kalvix {' '.join(args)}: {r.returncode}\n{r.stdout}{r.stderr}"
        return r.stdout + r.stderr

    def khal(self, *args):
        r = subprocess.run(["khal", "-c", self.khal_config, *args], env=self.env, capture_output=True, text=True,
                           timeout=120)
        assert r.returncode == 0, r.stdout + r.stderr
        return r.stdout

    def folder_text(self):
        """Every item file of the calendar folder, joined."""
        out = b""
        for name in sorted(os.listdir(self.vdir)):
            if name.endswith(".ics"):
                with open(os.path.join(self.vdir, name), "rb") as f:
                    out += f.read()
        return out

    def names(self):
        return sorted(t.name.decode("cp1252") for _, _, t in self.kalvix.read_store().records())

    def appointments(self):
        """(day, "HH:MM", name) of every appointment, sorted."""
        return sorted((day, f"{round(t.time * 1440) // 60:02d}:{round(t.time * 1440) % 60:02d}",
                       t.name.decode("cp1252")) for day, _, t in self.kalvix.read_store().records())

    def item_files(self):
        return sorted(n for n in os.listdir(self.vdir) if n.endswith(".ics"))

    def record(self, name):
        for _, _, t in self.kalvix.read_store().records():
            if t.name == name.encode("cp1252"):
                return t
        raise AssertionError(f"no appointment {name!r}")

