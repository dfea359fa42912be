"""Builds and reads appointments.dat the way the program lays it out.

The file is a run of day blocks, one per calendar day from 2000-01-01 to
2100-12-31, each a little-endian int32 count followed by that many records,
and a trailer of three int32 settings. Date-time values are days since
1899-12-30 in local time, the fraction being the time of day.
"""

import datetime as _dt
import struct
from dataclasses import dataclass, field

FIRST_DAY = _dt.date(2000, 1, 1)
LAST_DAY = _dt.date(2100, 12, 31)
DAY_COUNT = (LAST_DAY - FIRST_DAY).days + 1  # 36,890
EPOCH = _dt.datetime(1899, 12, 30)
EMPTY_SIZE = DAY_COUNT * 4 + 12  # 147,572

_FIXED = struct.Struct("<ddddB")


@dataclass
class Termin:
    time: float = 0.5  # fraction of the day
    last_reminded: float = 0.0
    first_remind: float = 0.0
    repeat_interval: float = 0.0
    done: bool = False
    name: bytes = b""
    description: bytes = b""


@dataclass
class Store:
    days: dict = field(default_factory=dict)  # date -> [Termin]
    minutes: int = 0
    seconds: int = 30
    start_minimized: bool = False

    def add(self, day, termin):
        self.days.setdefault(day, []).append(termin)
        return termin

    def records(self):
        """(date, index, Termin) in file order."""
        for day in sorted(self.days):
            for i, t in enumerate(self.days[day]):
                yield day, i, t


def to_value(moment):
    """A datetime (naive, local) as a date-time value."""
    delta = moment - EPOCH
    return delta.days + (delta.seconds + delta.microseconds / 1e6) / 86400.0


def from_value(value):
    return EPOCH + _dt.timedelta(days=value)


def now_value():
    return to_value(_dt.datetime.now())


def build(store):
    out = bytearray()
    for day in store.days:
        if not FIRST_DAY <= day <= LAST_DAY:
            raise ValueError(f"{day} lies outside the calendar")
    for n in range(DAY_COUNT):
        day = FIRST_DAY + _dt.timedelta(days=n)
        records = store.days.get(day, [])
        out += struct.pack("<i", len(records))
        for t in records:
            out += _FIXED.pack(t.time, t.last_reminded, t.first_remind,
                               t.repeat_interval, 1 if t.done else 0)
            for text in (t.name, t.description):
                out += struct.pack("<i", len(text)) + text
    out += struct.pack("<iii", store.minutes, store.seconds,
                       1 if store.start_minimized else 0)
    return bytes(out)


def parse(data):
    """The Store held by `data`; ValueError naming the offset when the bytes
    do not follow the layout exactly (short, overlong or negative lengths)."""
    store = Store()
    pos = 0

    def take(n):
        nonlocal pos
        if n < 0 or pos + n > len(data):
            raise ValueError(f"file ends early at offset {pos} (need {n} bytes)")
        chunk = data[pos:pos + n]
        pos += n
        return chunk

    def int32():
        return struct.unpack("<i", take(4))[0]

    for n in range(DAY_COUNT):
        count = int32()
        if count < 0:
            raise ValueError(f"negative count {count} at offset {pos - 4}")
        if count:
            day = FIRST_DAY + _dt.timedelta(days=n)
            for _ in range(count):
                time, last, first, repeat, done = _FIXED.unpack(take(_FIXED.size))
                name = take(int32())
                description = take(int32())
                store.add(day, Termin(time, last, first, repeat, done != 0,
                                      name, description))
    store.minutes, store.seconds, minimized = struct.unpack("<iii", take(12))
    store.start_minimized = minimized != 0
    if pos != len(data):
        raise ValueError(f"{len(data) - pos} bytes after the settings")
    return store


def read(path):
    with open(path, "rb") as f:
        return parse(f.read())


def write(path, store):
    with open(path, "wb") as f:
        f.write(build(store))
