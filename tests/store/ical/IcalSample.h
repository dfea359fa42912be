#pragma once
// The store the interchange tests export: values chosen to be awkward for
// a calendar file (seconds and milliseconds, lone line feeds, code page
// characters, reminders that never repeat or repeat at every check, two
// equal appointments on one day, the first and last day of the grid).

#include "store/DateTimeValue.h"
#include "store/DayGrid.h"

#include <QString>

#include <cstdio>

namespace IcalSample {

inline void Fill(DayGrid &grid)
{
    using DateTimeValue::EncodeDate;
    using DateTimeValue::EncodeTime;
    auto add = [&grid](int y, int m, int d) { return grid.AddRecord(grid.Slot(y, m, d)); };

    TTermin *a = add(2026, 12, 24);
    a->Name = "Christmas \x80 party"; // the euro sign
    a->Description = "Bring:\r\n- cake\r\n- \xe4pfel (apples)";
    a->Time = EncodeTime(18, 30);
    a->FirstRemind = 3;
    a->RepeatInterval = 1;

    TTermin *b = add(2027, 3, 15);
    b->Name = "Dentist";
    b->Description = "lone\nline feed and lone\rcarriage return";
    b->Time = EncodeTime(8, 5, 7, 250);
    b->FirstRemind = 1 + 2.5 / 24;
    b->RepeatInterval = 1.0 / 3;
    b->LastReminded = EncodeDate(2027, 3, 14) + EncodeTime(9, 41, 12);

    TTermin *c = add(2027, 3, 15); // a second one the same day
    c->Name = "Call back";
    c->Time = 0.7;
    c->FirstRemind = 0.25;
    c->RepeatInterval = 2; // longer than the lead: never repeats
    c->Done = true;
    c->LastReminded = EncodeDate(2027, 3, 15) + EncodeTime(11, 0);

    TTermin *d = add(2027, 7, 1);
    d->Name = "Standup";
    d->Time = EncodeTime(9, 0);
    d->FirstRemind = 1.0 / 24;
    d->RepeatInterval = 0; // at every check

    for (int i = 0; i < 2; ++i) { // two equal appointments
        TTermin *e = add(2027, 7, 2);
        e->Name = "Twin";
        e->Time = EncodeTime(12, 0);
        e->FirstRemind = 3;
        e->RepeatInterval = 1;
    }

    TTermin *f = add(2000, 1, 1);
    f->Name = "First day";
    f->Time = 0;
    f->FirstRemind = 0;
    f->RepeatInterval = 1;

    TTermin *g = add(2100, 12, 31);
    g->Name = "";
    g->Description = "no name, last day; tab\there";
    g->Time = EncodeTime(23, 59, 59);
    g->FirstRemind = 3;
    g->RepeatInterval = 1;
}

// One line per appointment: date, time to the millisecond, the four
// numbers bit for bit (as %a), Done, name and description with escapes.
inline QString Dump(const DayGrid &grid)
{
    QString out;
    auto esc = [](const TText &t) {
        QString s;
        for (size_t i = 0; i < t.size(); ++i) {
            const unsigned char ch = static_cast<unsigned char>(t.data()[i]);
            if (ch < 0x20 || ch >= 0x7f || ch == '\\')
                s += QStringLiteral("\\x%1").arg(ch, 2, 16, QLatin1Char('0'));
            else
                s += QLatin1Char(static_cast<char>(ch));
        }
        return s;
    };
    auto hex = [](double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%a", v); // bit for bit, -0 included
        return QString::fromLatin1(buf);
    };
    grid.ForEachDay([&](int y, int m, int d, const TTerminDay &slot) {
        for (uint32_t i = 0; i < slot.records.Count(); ++i) {
            const TTermin &r = slot.records.At(i);
            out += QStringLiteral("%1-%2-%3\t%4\t%5\t%6\t%7\t%8\t%9\t%10\n")
                       .arg(y)
                       .arg(m, 2, 10, QLatin1Char('0'))
                       .arg(d, 2, 10, QLatin1Char('0'))
                       .arg(hex(r.Time), hex(r.FirstRemind), hex(r.RepeatInterval), hex(r.LastReminded))
                       .arg(r.Done ? 1 : 0)
                       .arg(esc(r.Name), esc(r.Description));
        }
    });
    return out;
}

} // namespace IcalSample
