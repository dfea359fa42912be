// Import: our own files give back every field; files written the way
// other calendars write them land on the right day, time and reminder;
// broken files are refused whole, naming the line.

#include "FixedZone.h"
#include "IcalSample.h"

#include "store/DateTimeValue.h"
#include "store/ical/Ical.h"

#include <QtTest>

namespace {

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

const double Now = EncodeDate(2026, 12, 1) + EncodeTime(10, 0);

Ical::ParseResult parse(const QByteArray &ics, QDate from = {}, QDate until = {})
{
    Ical::ImportOptions o;
    o.now = Now;
    o.from = from;
    o.until = until;
    return Ical::Parse(ics, o);
}

QByteArray exportGrid(const DayGrid &grid)
{
    Ical::ExportOptions o;
    o.now = Now;
    return Ical::Export(grid, o).bytes;
}

// A calendar around the given lines, written with CR LF as RFC 5545 asks.
QByteArray calendar(const QByteArray &body)
{
    QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//test//EN\n" + body + "END:VCALENDAR\n";
    return text.replace("\n", "\r\n");
}

QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\nUID:e@test\nDTSTAMP:20261201T000000Z\n" + lines + "END:VEVENT\n";
}

// "2027-01-05 15:00:00 Team meeting first=900s repeat=86400s"
QString describe(const Ical::NewAppointment &a)
{
    const DateTimeValue::Parts t = DateTimeValue::Split(a.record.Time);
    return QStringLiteral("%1 %2:%3:%4 %5 first=%6s repeat=%7s")
        .arg(a.date.toString(Qt::ISODate))
        .arg(t.hour, 2, 10, QLatin1Char('0'))
        .arg(t.minute, 2, 10, QLatin1Char('0'))
        .arg(t.second, 2, 10, QLatin1Char('0'))
        .arg(QString::fromLatin1(a.record.Name.c_str()))
        .arg(qRound64(a.record.FirstRemind * 86400))
        .arg(qRound64(a.record.RepeatInterval * 86400));
}

QByteArray readData(const char *name)
{
    QFile f(QStringLiteral(ICAL_TEST_DATA "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstIcalImport : public QObject {
    Q_OBJECT
private slots:
    void roundTripGivesBackEveryField()
    {
        DayGrid original;
        IcalSample::Fill(original);
        const QByteArray ics = exportGrid(original);

        // A far-off day as "today": single appointments come back whatever
        // the import's days are.
        Ical::ParseResult r = parse(ics, QDate(2090, 1, 1));
        QVERIFY2(r.ok, qPrintable(r.error));
        DayGrid restored;
        Ical::Merge(r.appointments, restored, r.report);
        QCOMPARE(IcalSample::Dump(restored), IcalSample::Dump(original));
        QCOMPARE(r.report.added, 8);
        QCOMPARE(r.report.skippedTotal(), 0);
        QCOMPARE(r.report.unmappableChars, 0);

        // The same file again adds nothing; a dry run changes nothing.
        Ical::ParseResult again = parse(ics);
        Ical::Merge(again.appointments, restored, again.report);
        QCOMPARE(again.report.added, 0);
        QCOMPARE(again.report.alreadyPresent, 8);
        DayGrid empty;
        Ical::ParseResult dry = parse(ics);
        Ical::Merge(dry.appointments, empty, dry.report, true);
        QCOMPARE(dry.report.added, 8);
        QCOMPARE(empty.RecordCount(), size_t(0));
    }

    void exactValuesYieldToEditsElsewhere()
    {
        DayGrid original;
        IcalSample::Fill(original);
        QByteArray ics = exportGrid(original);
        // Another program moved the dentist to 09:00 and the reminder to one day.
        ics.replace("DTSTART:20270315T080507", "DTSTART:20270315T090000");
        ics.replace("TRIGGER;RELATED=START:-P1DT2H30M", "TRIGGER;RELATED=START:-P1D");
        Ical::ParseResult r = parse(ics);
        QVERIFY2(r.ok, qPrintable(r.error));
        bool found = false;
        for (const Ical::NewAppointment &a : r.appointments)
            if (a.record.Name == "Dentist") {
                found = true;
                QCOMPARE(describe(a), QStringLiteral("2027-03-15 09:00:00 Dentist first=86400s repeat=28800s"));
            }
        QVERIFY(found);
    }

    void sameDayTimeNameAndDescriptionIsPresent()
    {
        DayGrid grid;
        TTermin *stored = grid.AddRecord(grid.Slot(2027, 2, 1));
        stored->Name = "Call";
        stored->Description = "About the offer";
        stored->Time = EncodeTime(9, 30);
        stored->FirstRemind = 7; // reminders do not matter
        const QByteArray ics = calendar(
            vevent("DTSTART:20270201T093000\nSUMMARY:Call\nDESCRIPTION:About the offer\n")
            + vevent("DTSTART:20270201T093000\nSUMMARY:Call\nDESCRIPTION:Other\n")
            + vevent("DTSTART:20270201T093001\nSUMMARY:Call\nDESCRIPTION:About the offer\n")
            + vevent("DTSTART:20270202T093000\nSUMMARY:Call\nDESCRIPTION:About the offer\n"));
        Ical::ParseResult r = parse(ics);
        QVERIFY2(r.ok, qPrintable(r.error));
        Ical::Merge(r.appointments, grid, r.report);
        QCOMPARE(r.report.alreadyPresent, 1);
        QCOMPARE(r.report.added, 3);
        QCOMPARE(grid.Slot(2027, 2, 1).records.Count(), 3u);
        QCOMPARE(grid.Slot(2027, 2, 1).records.At(0).FirstRemind, 7.0);
    }

    void filesOfOtherCalendars()
    {
        const QByteArray ics = readData("other_calendars.ics");
        QVERIFY(!ics.isEmpty());
        Ical::ParseResult r = parse(ics);
        QVERIFY2(r.ok, qPrintable(r.error));
        QStringList got;
        for (const Ical::NewAppointment &a : r.appointments)
            got << describe(a);
        got.sort();
        const QStringList want = {
            // New York 09:00 is 15:00 in Berlin; the EXDATE and the moved
            // occurrence are left out of the series, the moved one is its own.
            QStringLiteral("2027-01-05 15:00:00 Team meeting first=900s repeat=86400s"),
            QStringLiteral("2027-01-19 17:00:00 Team meeting (moved) first=900s repeat=86400s"),
            QStringLiteral("2027-01-26 15:00:00 Team meeting first=900s repeat=86400s"),
            QStringLiteral("2027-02-01 13:00:00 Call with the UTC office first=259200s repeat=86400s"),
            QStringLiteral("2027-02-02 15:00:00 Team meeting first=900s repeat=86400s"),
            QStringLiteral("2027-03-01 13:00:00 Absolute reminder first=14400s repeat=86400s"),
            // A birthday since 1980, once in the year imported, at 00:00.
            QStringLiteral("2027-03-12 00:00:00 Anna's birthday first=259200s repeat=86400s"),
            // Kolkata 14:30 is 11:00 in Berlin's summer; 3 hours before a
            // 2-hour event's end is 1 hour before its start.
            QStringLiteral("2027-04-15 11:00:00 Ends matter first=3600s repeat=86400s"),
            // The earliest of DISPLAY and AUDIO before the start (not the
            // e-mail, not the one after the start), with its repeats.
            QStringLiteral("2027-07-10 09:00:00 Caf\xe9 ? ? in the city first=86400s repeat=14400s"),
        };
        QCOMPARE(got, want);
        QCOMPARE(r.report.unmappableChars, 2);
        QCOMPARE(r.report.skipped.value(QStringLiteral("outside 2000-2100")), 2);
        QCOMPARE(r.report.skipped.value(QStringLiteral("cancelled")), 1);
        QCOMPARE(r.report.skipped.value(QStringLiteral("not an event (VTODO)")), 1);
        for (const Ical::NewAppointment &a : r.appointments) {
            if (a.record.Name == "Team meeting")
                QVERIFY(a.record.Description.str().find("writer folds it over more") != std::string::npos);
            if (a.record.Name.str().rfind("Caf", 0) == 0)
                QCOMPARE(a.record.Description.str(), std::string("Z\xfcrich\r\nsecond line"));
        }
    }

    void recurrenceStaysInsideTheDays()
    {
        const QByteArray yearly = calendar(vevent("DTSTART;VALUE=DATE:19800312\nRRULE:FREQ=YEARLY\nSUMMARY:B\n"));
        // Default: from today (the clock) one year on.
        QCOMPARE(parse(yearly).appointments.size(), size_t(1));
        // Never past 2100, however far the import reaches.
        Ical::ParseResult all = parse(yearly, QDate(2000, 1, 1), QDate(2300, 1, 1));
        QCOMPARE(all.appointments.size(), size_t(101));
        QCOMPARE(all.appointments.back().date, QDate(2100, 3, 12));
        // A series with nothing in the days imported is counted, not lost silently.
        Ical::ParseResult none = parse(
            calendar(vevent("DTSTART:20100101T100000\nRRULE:FREQ=DAILY;COUNT=3\nSUMMARY:x\n")));
        QVERIFY(none.appointments.empty());
        QCOMPARE(none.report.skippedTotal(), 1);
        // An event every minute stops at the cap and says so.
        Ical::ParseResult minutely = parse(calendar(
                                               vevent("DTSTART:20261201T000000\nRRULE:FREQ=MINUTELY\nSUMMARY:m\n")),
                                           QDate(2026, 12, 1), QDate(2026, 12, 10));
        QCOMPARE(minutely.appointments.size(), size_t(10000));
        QCOMPARE(minutely.report.skippedTotal(), 10 * 1440 - 10000);
    }

    void zonesOnlyQtKnowsAndUnknownZones()
    {
        // Windows' zone names, as Outlook writes them without a VTIMEZONE.
        Ical::ParseResult windows = parse(
            calendar(vevent("DTSTART;TZID=Tokyo Standard Time:20270601T180000\nSUMMARY:t\n")));
        QVERIFY2(windows.ok, qPrintable(windows.error));
        QCOMPARE(describe(windows.appointments.at(0)),
                 QStringLiteral("2027-06-01 11:00:00 t first=259200s repeat=86400s"));
        Ical::ParseResult unknown = parse(
            calendar(vevent("DTSTART;TZID=Nowhere/Atlantis:20270601T180000\nSUMMARY:u\n")));
        QVERIFY2(unknown.ok, qPrintable(unknown.error));
        QCOMPARE(describe(unknown.appointments.at(0)),
                 QStringLiteral("2027-06-01 18:00:00 u first=259200s repeat=86400s"));
        QCOMPARE(unknown.report.notes.size(), 1);
        // A zone the file defines only after the event that uses it.
        Ical::ParseResult later = parse(calendar(vevent("DTSTART;TZID=Plus Three:20270601T180000\nSUMMARY:l\n")
                                                 + "BEGIN:VTIMEZONE\nTZID:Plus Three\nBEGIN:STANDARD\n"
                                                   "DTSTART:19700101T000000\nTZOFFSETFROM:+0300\nTZOFFSETTO:+0300\n"
                                                   "END:STANDARD\nEND:VTIMEZONE\n"));
        QVERIFY2(later.ok, qPrintable(later.error));
        QCOMPARE(describe(later.appointments.at(0)),
                 QStringLiteral("2027-06-01 17:00:00 l first=259200s repeat=86400s"));
        QVERIFY(later.report.notes.isEmpty());
    }

    // What other programs write, read as they mean it.
    void whatOtherProgramsWrite_data()
    {
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<QStringList>("want");
        QTest::addColumn<int>("notes");
        // Calendars write UNTIL in UTC: 09:00Z is the last 10:00 in Berlin.
        QTest::newRow("UNTIL in UTC, start in a zone")
            << vevent(
                   "DTSTART;TZID=Europe/Berlin:20270104T100000\nRRULE:FREQ=WEEKLY;UNTIL=20270125T090000Z\n"
                   "SUMMARY:w\n")
            << QStringList{QStringLiteral("2027-01-04 10:00:00 w first=259200s repeat=86400s"),
                           QStringLiteral("2027-01-11 10:00:00 w first=259200s repeat=86400s"),
                           QStringLiteral("2027-01-18 10:00:00 w first=259200s repeat=86400s"),
                           QStringLiteral("2027-01-25 10:00:00 w first=259200s repeat=86400s")}
            << 0;
        QTest::newRow("calcurse's alarm without T")
            << vevent(
                   "DTSTART:20270301T100000\nSUMMARY:c\nBEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:c\n"
                   "TRIGGER:-P300S\nEND:VALARM\n")
            << QStringList{QStringLiteral("2027-03-01 10:00:00 c first=300s repeat=86400s")} << 0;
        QTest::newRow("Mozilla's zone path")
            << vevent("DTSTART;TZID=/mozilla.org/20070129_1/Europe/London:20270601T180000\nSUMMARY:m\n")
            << QStringList{QStringLiteral("2027-06-01 19:00:00 m first=259200s repeat=86400s")} << 0;
        QTest::newRow("libical's zone path")
            << vevent("DTSTART;TZID=/freeassociation.sourceforge.net/Europe/London:20270601T180000\nSUMMARY:f\n")
            << QStringList{QStringLiteral("2027-06-01 19:00:00 f first=259200s repeat=86400s")} << 0;
        QTest::newRow("an unknown zone path is counted")
            << vevent("DTSTART;TZID=/example.org/1/Nowhere/Atlantis:20270601T180000\nSUMMARY:u\n")
            << QStringList{QStringLiteral("2027-06-01 18:00:00 u first=259200s repeat=86400s")} << 1;
        QTest::newRow("empty texts") << vevent("DTSTART:20270301T100000\nSUMMARY:\nDESCRIPTION:\nLOCATION:\n")
                                     << QStringList{QStringLiteral("2027-03-01 10:00:00  first=259200s repeat=86400s")}
                                     << 0;
    }
    void whatOtherProgramsWrite()
    {
        QFETCH(QByteArray, events);
        QFETCH(QStringList, want);
        QFETCH(int, notes);
        const Ical::ParseResult r = parse(calendar(events), QDate(2027, 1, 1), QDate(2027, 12, 31));
        QVERIFY2(r.ok, qPrintable(r.error));
        QStringList got;
        for (const Ical::NewAppointment &a : r.appointments)
            got << describe(a);
        QCOMPARE(got, want);
        QCOMPARE(r.report.notes.size(), notes);
    }

    void textsComeBackExactly_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("description");
        QTest::newRow("spaces only") << QByteArray("   ") << QByteArray(" ");
        QTest::newRow("spaces around") << QByteArray("  Dentist ") << QByteArray(" first\r\n second ");
        QTest::newRow("escapes and a tab") << QByteArray("a;b,c\\d") << QByteArray("\ttab \\n not a break");
        QTest::newRow("empty name") << QByteArray() << QByteArray("   ");
    }
    void textsComeBackExactly()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, description);
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2027, 2, 1));
        t->Name = name.toStdString();
        t->Description = description.toStdString();
        t->Time = EncodeTime(9, 0);
        Ical::ParseResult r = parse(exportGrid(grid));
        QVERIFY2(r.ok, qPrintable(r.error));
        DayGrid back;
        Ical::Merge(r.appointments, back, r.report);
        QCOMPARE(IcalSample::Dump(back), IcalSample::Dump(grid));
        // ... and count as present when imported again.
        Ical::ParseResult again = parse(exportGrid(grid));
        Ical::Merge(again.appointments, back, again.report);
        QCOMPARE(again.report.alreadyPresent, 1);
    }

    // More occurrences than one import takes: refused whole, however the
    // rules are written, before the work or the memory runs away.
    void importsAreBounded()
    {
        const QByteArray everyMinute =
            "RRULE:FREQ=MINUTELY;BYHOUR=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,"
            "20,21,22,23\n";
        QByteArray events;
        for (int i = 0; i < 4; ++i) // 4 x 525,600 steps of a rule libical must walk
            events += vevent("DTSTART:20270101T000000\n" + everyMinute + "SUMMARY:m\n");
        Ical::ParseResult r = parse(calendar(events), QDate(2027, 1, 1), QDate(2027, 12, 31));
        QVERIFY(!r.ok && r.overLimit);
        QVERIFY(r.appointments.empty());
        QVERIFY2(r.error.contains(QLatin1String("2,000,000")), qPrintable(r.error));
        // One is fine: the most one event adds, the rest counted.
        r = parse(calendar(vevent("DTSTART:20270101T000000\n" + everyMinute + "SUMMARY:m\n")), QDate(2027, 1, 1),
                  QDate(2027, 12, 31));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.appointments.size(), size_t(10000));
        // A rule every second up to the last day is refused without walking it.
        r = parse(calendar(vevent("DTSTART:20200101T000000\nRRULE:FREQ=SECONDLY\nSUMMARY:s\n")));
        QVERIFY(r.overLimit);
    }

    void brokenFilesAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("ics");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");
        const QByteArray good = vevent("DTSTART:20270101T100000\nSUMMARY:fine\n");
        QTest::newRow("not iCalendar") << QByteArray("Dear diary,\r\ntoday nothing.\r\n") << 1
                                       << QStringLiteral("not an iCalendar file");
        QTest::newRow("empty") << QByteArray("\r\n") << 0 << QStringLiteral("empty");
        QTest::newRow("cut off") << calendar(good).left(90) << 6 << QStringLiteral("cut off");
        QTest::newRow("broken line") << calendar(good + "BEGIN:VEVENT\nUID:x\nthis line is broken\nEND:VEVENT\n") << 12
                                     << QStringLiteral("could not find a property name");
        QTest::newRow("bad date") << calendar(good + vevent("DTSTART:2027XX01T100000\nSUMMARY:s\n")) << 13
                                  << QStringLiteral("DATE-TIME");
        QTest::newRow("month 13") << calendar(good + vevent("DTSTART:20271301T100000\nSUMMARY:s\n")) << 13
                                  << QStringLiteral("not a real date");
        QTest::newRow("negative repeats")
            << calendar(good
                        + vevent("DTSTART:20270101T100000\nBEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:d\n"
                                 "TRIGGER:-PT1H\nREPEAT:-3\nDURATION:PT5M\nEND:VALARM\n"))
            << 18 << QStringLiteral("negative");
        QTest::newRow("reminder centuries ahead")
            << calendar(good
                        + vevent("DTSTART:20270101T100000\nBEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:d\n"
                                 "TRIGGER:-P99999W\nEND:VALARM\n"))
            << 17 << QStringLiteral("100 years");
        QTest::newRow("NUL byte") << calendar(good + QByteArray("SUMMARY:a\0b\n", 12)) << 10 << QStringLiteral("NUL");
    }
    void brokenFilesAreRefusedWhole()
    {
        QFETCH(QByteArray, ics);
        QFETCH(int, line);
        QFETCH(QString, says);
        const Ical::ParseResult r = parse(ics);
        QVERIFY(!r.ok);
        QVERIFY(r.appointments.empty());
        QCOMPARE(r.line, line);
        QVERIFY2(r.error.contains(says), qPrintable(r.error));
        if (line)
            QVERIFY2(r.error.startsWith(QStringLiteral("line %1: ").arg(line)), qPrintable(r.error));
    }
};

QTEST_GUILESS_MAIN(TstIcalImport)
#include "tst_icalimport.moc"
