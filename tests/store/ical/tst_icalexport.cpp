// Export: the file other calendars read. Checked as text, line by line,
// so a change in what we write shows here before any other program sees it.

#include "FixedZone.h"
#include "IcalSample.h"

#include "store/DateTimeValue.h"
#include "store/ical/Ical.h"

#include <QtTest>

namespace {

const double Now = DateTimeValue::EncodeDate(2026, 12, 1) + DateTimeValue::EncodeTime(10, 0);

QByteArray exportGrid(const DayGrid &grid, QDate from = {}, QDate until = {})
{
    Ical::ExportOptions o;
    o.now = Now;
    o.from = from;
    o.until = until;
    return Ical::Export(grid, o).bytes;
}

// The unfolded lines of each VEVENT, in file order.
QList<QList<QByteArray>> events(const QByteArray &ics)
{
    QList<QList<QByteArray>> out;
    QList<QByteArray> lines;
    for (const QByteArray &raw : ics.split('\n')) {
        QByteArray l = raw;
        if (l.endsWith('\r'))
            l.chop(1);
        if (l.startsWith(' ') && !lines.isEmpty())
            lines.last() += l.mid(1);
        else
            lines << l;
    }
    QList<QByteArray> current;
    bool inside = false;
    for (const QByteArray &l : lines) {
        if (l == "BEGIN:VEVENT") {
            inside = true;
            current.clear();
        } else if (l == "END:VEVENT") {
            inside = false;
            out << current;
        } else if (inside) {
            current << l;
        }
    }
    return out;
}

QList<QByteArray> eventNamed(const QByteArray &ics, const QByteArray &summary)
{
    for (const QList<QByteArray> &e : events(ics))
        if (e.contains("SUMMARY:" + summary))
            return e;
    return {};
}

QByteArray value(const QList<QByteArray> &event, const QByteArray &name)
{
    for (const QByteArray &l : event)
        if (l.startsWith(name + ':') || l.startsWith(name + ';'))
            return l.mid(l.indexOf(':') + 1);
    return QByteArray();
}

} // namespace

class TstIcalExport : public QObject {
    Q_OBJECT
private slots:
    void calendarFrameAndLines()
    {
        DayGrid grid;
        IcalSample::Fill(grid);
        const QByteArray ics = exportGrid(grid);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
        QVERIFY(ics.contains("\r\nVERSION:2.0\r\n"));
        QVERIFY(ics.contains("\r\nPRODID:"));
        QCOMPARE(events(ics).size(), 8);
        QCOMPARE(Ical::Export(grid, {}).events, 8);
        // Every line ends in CR LF and is folded to 75 octets.
        for (const QByteArray &line : ics.split('\n').mid(0, ics.count('\n'))) {
            QVERIFY2(line.endsWith('\r'), line.constData());
            QVERIFY2(line.size() - 1 <= 75, line.constData());
        }
    }

    void eventCarriesTimeTextsAndReminder()
    {
        DayGrid grid;
        IcalSample::Fill(grid);
        const QByteArray ics = exportGrid(grid);
        const QList<QByteArray> dentist = eventNamed(ics, "Dentist");
        QVERIFY(!dentist.isEmpty());
        // Floating local time to the second: no Z, no TZID.
        QVERIFY(dentist.contains("DTSTART:20270315T080507"));
        // The clock's 10:00 in Berlin is 09:00 UTC.
        QVERIFY(dentist.contains("DTSTAMP:20261201T090000Z"));
        QVERIFY(dentist.contains("DESCRIPTION:lone\\nline feed and lone\\ncarriage return"));
        QVERIFY(dentist.contains("BEGIN:VALARM"));
        QVERIFY(dentist.contains("ACTION:DISPLAY"));
        QVERIFY(dentist.contains("TRIGGER;RELATED=START:-P1DT2H30M"));
        QVERIFY(dentist.contains("REPEAT:3"));
        QVERIFY(dentist.contains("DURATION:PT8H"));
        QVERIFY(dentist.contains("ACKNOWLEDGED:20270314T084112Z"));
        QVERIFY(!dentist.contains("X-KALVIX-DONE:TRUE"));

        const QList<QByteArray> callBack = eventNamed(ics, "Call back");
        QVERIFY(callBack.contains("X-KALVIX-DONE:TRUE"));
        QVERIFY(callBack.contains("DTSTART:20270315T164800")); // 0.7 of a day

        // Code page characters arrive as UTF-8, CR LF as an escaped line break.
        const QList<QByteArray> party = eventNamed(ics, "Christmas \xe2\x82\xac party");
        QVERIFY(!party.isEmpty());
        QCOMPARE(value(party, "DESCRIPTION"), QByteArray("Bring:\\n- cake\\n- \xc3\xa4pfel (apples)"));

        // An empty name is an empty SUMMARY (calcurse needs one); the alarm still has a text.
        const QList<QList<QByteArray>> all = events(ics);
        const QList<QByteArray> last = all.last();
        QVERIFY(last.contains("SUMMARY:"));
        QVERIFY(last.contains("DTSTART:21001231T235959"));
        QVERIFY(last.contains("DESCRIPTION:Reminder"));
    }

    void repeatsRunUntilTheAppointment_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("repeat");
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<QByteArray>("duration");
        QTest::newRow("defaults") << 3.0 << 1.0 << QByteArray("3") << QByteArray("P1D");
        QTest::newRow("not a whole multiple") << 1.0 << 0.3 << QByteArray("3") << QByteArray("PT7H12M");
        QTest::newRow("longer than the lead") << 0.25 << 2.0 << QByteArray() << QByteArray();
        QTest::newRow("every check") << 1.0 / 24 << 0.0 << QByteArray() << QByteArray();
        QTest::newRow("equal to the lead") << 1.0 << 1.0 << QByteArray("1") << QByteArray("P1D");
    }
    void repeatsRunUntilTheAppointment()
    {
        QFETCH(double, first);
        QFETCH(double, repeat);
        QFETCH(QByteArray, count);
        QFETCH(QByteArray, duration);
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2027, 5, 5));
        t->Name = "x";
        t->Time = 0.5;
        t->FirstRemind = first;
        t->RepeatInterval = repeat;
        const QList<QByteArray> e = events(exportGrid(grid)).value(0);
        QCOMPARE(value(e, "REPEAT"), count);
        QCOMPARE(value(e, "DURATION"), duration);
    }

    void uidsFollowTheContent()
    {
        DayGrid grid;
        IcalSample::Fill(grid);
        auto uids = [](const QByteArray &ics) {
            QList<QByteArray> u;
            for (const QList<QByteArray> &e : events(ics))
                u << value(e, "UID");
            return u;
        };
        const QList<QByteArray> first = uids(exportGrid(grid));
        QCOMPARE(QSet<QByteArray>(first.begin(), first.end()).size(), first.size()); // the twins differ too

        // Reminder answers do not change an appointment's identity ...
        TTermin &dentist = *grid.RecordAt(grid.Slot(2027, 3, 15), 0);
        dentist.LastReminded += 1;
        dentist.Done = true;
        QCOMPARE(uids(exportGrid(grid)), first);
        // ... its name does.
        dentist.Name = "Dentist, new";
        const QList<QByteArray> renamed = uids(exportGrid(grid));
        QCOMPARE(renamed.size(), first.size());
        int changed = 0;
        for (int i = 0; i < first.size(); ++i)
            changed += renamed[i] != first[i];
        QCOMPARE(changed, 1);
    }

    void rangeLimitsTheDays()
    {
        DayGrid grid;
        IcalSample::Fill(grid);
        const QByteArray ics = exportGrid(grid, QDate(2027, 3, 15), QDate(2027, 7, 1));
        QCOMPARE(events(ics).size(), 3);
        QCOMPARE(events(exportGrid(grid, QDate(2030, 1, 1), QDate(2030, 12, 31))).size(), 0);
    }

    void everyCodePageByteHasItsCharacter()
    {
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2027, 1, 1));
        t->Name = "\x80\x81\x8a\x9f\xa0\xff";
        const QByteArray summary = value(events(exportGrid(grid)).value(0), "SUMMARY");
        QCOMPARE(QString::fromUtf8(summary), QString::fromUtf16(u"\u20ac\u0081\u0160\u0178\u00a0\u00ff"));
    }
};

QTEST_GUILESS_MAIN(TstIcalExport)
#include "tst_icalexport.moc"
