// A change made here to an event another program wrote: only what changed
// is written, in the event's own terms, and every other line stays byte
// for byte; the file then reads as the appointment the store holds.

#include "FixedZone.h"

#include "store/DateTimeValue.h"
#include "store/ical/ContentLines.h"
#include "store/ical/Item.h"
#include "store/ical/ItemPatch.h"

#include <QtTest>

namespace {

using DateTimeValue::EncodeDate;
using DateTimeValue::EncodeTime;

const double Changed = EncodeDate(2027, 6, 1) + EncodeTime(9, 30);

// A phone's event, as written by a CalDAV client (CR LF, folded lines,
// its own zone and alarms, properties this program does not know).
const QByteArray Phone =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//Calendar 7.1//EN\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:America/New_York\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\n"
    "TZOFFSETTO:-0400\r\nTZNAME:EDT\r\nDTSTART:19700308T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
    "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nTZNAME:EST\r\nDTSTART:19701101T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VEVENT\r\nUID:phone-1@example.org\r\nDTSTAMP:20270501T080000Z\r\n"
    "CREATED:20270501T080000Z\r\nLAST-MODIFIED:20270501T080000Z\r\nSEQUENCE:2\r\n"
    "DTSTART;TZID=America/New_York:20270610T110000\r\n"
    "DTEND;TZID=America/New_York:20270610T123000\r\n"
    "SUMMARY;LANGUAGE=pl:\xc5\x81\xc3\xb3\x64\xc5\xba \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x8e\x89\r\n"
    "DESCRIPTION:Bring the \xe2\x82\xac notes\\, the slides and the long list of questions from\r\n"
    "  \xc3\xa9quipe \xe6\x9d\xb1\xe4\xba\xac\r\n"
    "LOCATION:Room 4\\, 2nd floor\r\nGEO:40.7128;-74.0060\r\n"
    "ORGANIZER;CN=\"Doe, Jane\":mailto:jane@example.org\r\n"
    "ATTENDEE;CN=Max;ROLE=REQ-PARTICIPANT;PARTSTAT=ACCEPTED;RSVP=TRUE:mailto:max@exa\r\n"
    " mple.org\r\nCATEGORIES:WORK,TRAVEL\r\nURL:https://example.org/m?a=1;b=2\r\n"
    "STATUS:CONFIRMED\r\nCLASS:PRIVATE\r\nPRIORITY:5\r\nX-PHONE-FOO;X-A=1:a;b;c\\,d\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER:-PT15M\r\n"
    "X-PHONE-ALARM-ID:7\r\nEND:VALARM\r\n"
    "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER;RELATED=START:-PT1H\r\nEND:VALARM\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

// A three-day holiday from another calendar: whole days, LF line ends, a
// byte that is no UTF-8 in a property of its own.
const QByteArray Holiday =
    "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//EN\nBEGIN:VEVENT\nUID:h@other\n"
    "DTSTAMP:20270101T000000Z\nDTSTART;VALUE=DATE:20270610\nDTEND;VALUE=DATE:20270613\n"
    "SUMMARY:Holiday\nX-OTHER-NOTE:caf\xe9 \\; ok\nEND:VEVENT\nEND:VCALENDAR\n";

// In UTC with a DURATION; an alarm at a fixed time.
const QByteArray Utc =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:u@other\r\n"
    "DTSTAMP:20270101T000000Z\r\nDTSTART:20270610T150000Z\r\nDURATION:PT45M\r\n"
    "SUMMARY:Call\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Call\r\n"
    "TRIGGER;VALUE=DATE-TIME:20270610T143000Z\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// Floating, with no alarm and no DTSTAMP at all.
const QByteArray Floating =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:f@other\r\n"
    "DTSTART:20270610T090000\r\nDTEND:20270610T100000\r\nSUMMARY:Yoga\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

const QByteArray Ours = [] {
    TTermin t;
    t.Name = "Dentist";
    t.Time = EncodeTime(8, 15);
    t.FirstRemind = 1;
    t.RepeatInterval = 1.0 / 24;
    return Ical::ItemBytes(QDate(2027, 6, 10), t, "o@kalvix", Changed - 1);
}();

Ical::NewAppointment readOne(const QByteArray &bytes)
{
    const Ical::ItemRead r = Ical::ReadItem(bytes);
    return r.ok && r.appointments.size() == 1 ? r.appointments.front() : Ical::NewAppointment();
}

// The raw lines (folding and line ends included) outside our own alarm of
// the properties named, at any depth, in file order; with "!" first: of
// all the others.
QList<QByteArray> rawLines(const QByteArray &bytes, const QByteArrayList &names)
{
    const bool others = !names.isEmpty() && names.front() == "!";
    const Ical::ContentLines lines(bytes);
    QList<QByteArray> out;
    size_t ownAlarmEnd = 0; // past our alarm's END line, while in it
    const auto &ls = lines.Lines();
    for (size_t i = 0; i < ls.size(); ++i) {
        const auto &l = ls[i];
        const QByteArray raw = bytes.mid(l.begin, l.end - l.begin);
        for (size_t k = i + 1; l.opens == "VALARM" && k < lines.EndOf(i); ++k)
            if (ls[k].name == "X-KALVIX-ALARM")
                ownAlarmEnd = lines.EndOf(i) + 1;
        const bool inOwnAlarm = i < ownAlarmEnd;
        const bool named = names.contains(l.name) || (l.name.startsWith("X-KALVIX-") && l.depth == 2);
        if (!inOwnAlarm && (others ? !(named && l.depth == 2) : names.contains(l.name)))
            out << raw;
    }
    return out;
}

} // namespace

class TestItemPatch : public QObject {
    Q_OBJECT
private slots:
    // Each row: an event as another program wrote it, what a person
    // changes here, the lines that must then read exactly so, and the
    // properties that must stay byte for byte.
    void keepsWhatItDoesNotChange_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArrayList>("wanted");
        QTest::addColumn<QByteArrayList>("kept");
        const QByteArrayList times{"DTSTART", "DTEND", "SEQUENCE", "DURATION"};
        const QByteArrayList texts{"SUMMARY", "DESCRIPTION"};
        QTest::newRow("phone: renamed") << Phone << "name" << QByteArrayList{"SUMMARY;LANGUAGE=pl:Meeting \\; Berlin"}
                                        << times + QByteArrayList{"DESCRIPTION"};
        QTest::newRow("phone: description") << Phone << "description" << QByteArrayList{"DESCRIPTION:Agenda\\nitem"}
                                            << times + QByteArrayList{"SUMMARY"};
        QTest::newRow("phone: later time")
            << Phone << "time"
            << QByteArrayList{"DTSTART;TZID=America/New_York:20270610T123000",
                              "DTEND;TZID=America/New_York:20270610T140000", "SEQUENCE:3"}
            << texts;
        QTest::newRow("phone: next day") << Phone << "date"
                                         << QByteArrayList{"DTSTART;TZID=America/New_York:20270611T110000",
                                                           "DTEND;TZID=America/New_York:20270611T123000"}
                                         << texts;
        QTest::newRow("phone: first reminder")
            << Phone << "first" << QByteArrayList{"TRIGGER;RELATED=START:-PT2H", "X-KALVIX-ALARM:TRUE"}
            << times + texts;
        QTest::newRow("phone: remind later") << Phone << "later" << QByteArrayList{"LAST=", "DTSTAMP:20270601T073000Z"}
                                             << times + texts + QByteArrayList{"BEGIN", "TRIGGER"};
        QTest::newRow("phone: don't remind") << Phone << "done" << QByteArrayList{"X-KALVIX-DONE:TRUE"}
                                             << times + texts + QByteArrayList{"BEGIN", "TRIGGER"};
        QTest::newRow("whole days: moved a day")
            << Holiday << "date" << QByteArrayList{"DTSTART;VALUE=DATE:20270611\n", "DTEND;VALUE=DATE:20270614\n"}
            << QByteArrayList{"SUMMARY", "X-OTHER-NOTE"};
        QTest::newRow("whole days: given a time")
            << Holiday << "time" << QByteArrayList{"DTSTART:20270610T013000\n", "DTEND:20270613T013000\n"}
            << QByteArrayList{"SUMMARY"};
        QTest::newRow("whole days: renamed")
            << Holiday << "name" << QByteArrayList{"SUMMARY:Meeting \\; Berlin", "LAST-MODIFIED:20270601T073000Z\n"}
            << QByteArrayList{"DTSTART", "DTEND", "X-OTHER-NOTE"};
        QTest::newRow("utc: later time") << Utc << "time" << QByteArrayList{"DTSTART:20270610T163000Z"}
                                         << QByteArrayList{"DURATION", "TRIGGER"};
        QTest::newRow("utc: next day, alarm at a fixed time")
            << Utc << "date" << QByteArrayList{"DTSTART:20270611T150000Z", "TRIGGER;RELATED=START:-PT30M"}
            << QByteArrayList{"DURATION", "TRIGGER"};
        QTest::newRow("floating: later time")
            << Floating << "time" << QByteArrayList{"DTSTART:20270610T103000", "DTEND:20270610T113000", "SEQUENCE:1"}
            << QByteArrayList{"SUMMARY"};
        QTest::newRow("floating: remind later")
            << Floating << "later" << QByteArrayList{"DTSTAMP:"} << QByteArrayList{"DTSTART", "DTEND", "SUMMARY"};
        QTest::newRow("ours: don't remind")
            << Ours << "done" << QByteArrayList{"X-KALVIX-DONE:TRUE"} << QByteArrayList{"DTSTART", "SUMMARY"};
        QTest::newRow("ours: remind later") << Ours << "later" << QByteArrayList{"ACKNOWLEDGED:20270601T073000Z"}
                                            << QByteArrayList{"DTSTART", "SUMMARY"};
    }
    void keepsWhatItDoesNotChange()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, change);
        QFETCH(QByteArrayList, wanted);
        QFETCH(QByteArrayList, kept);
        const Ical::NewAppointment was = readOne(file);
        QVERIFY(was.date.isValid());
        QDate date = was.date;
        TTermin r = was.record;
        if (change == QLatin1String("name"))
            r.Name =
                "Meeting ; Berlin \x96 Z\xfcrich, Gen\xe8ve \x96 M\xfcnchen \x96 D\xfcsseldorf \x96 "
                "K\xf6ln \x96 \xc5re \x96 \xc9vian";
        else if (change == QLatin1String("description"))
            r.Description = "Agenda\r\nitem";
        else if (change == QLatin1String("date"))
            date = date.addDays(1);
        else if (change == QLatin1String("time"))
            r.Time += EncodeTime(1, 30);
        else if (change == QLatin1String("first"))
            r.FirstRemind = 2.0 / 24;
        else if (change == QLatin1String("later"))
            r.LastReminded = Changed;
        else if (change == QLatin1String("done")) // answered in the second half of a second
            r.Done = 1, r.LastReminded = Changed + EncodeTime(0, 0, 0, 700);

        QString error;
        const QByteArray out = Ical::PatchedItem(file, date, r, Changed, error);
        QVERIFY2(!out.isEmpty(), qPrintable(error));
        for (const QByteArray &w : wanted)
            QVERIFY2(out.contains(w), qPrintable(QString::fromUtf8(w + " missing in\n" + out)));
        for (const QByteArray &name : kept)
            QCOMPARE(rawLines(out, {name}), rawLines(file, {name}));
        // Everything else, in order, and the line ends of the file.
        const QByteArrayList owned{"!",     "SUMMARY",  "DESCRIPTION",   "DTSTART",
                                   "DTEND", "SEQUENCE", "LAST-MODIFIED", "DTSTAMP"};
        QCOMPARE(rawLines(out, owned), rawLines(file, owned));
        QCOMPARE(out.count("\r\n") > 0, file.count("\r\n") > 0);
        // The lines written are folded, never inside a character.
        for (const QByteArray &line : out.split('\n'))
            if (!file.contains(line + '\n')) {
                QVERIFY2(line.size() <= 76, line.constData());
                QCOMPARE(QString::fromUtf8(line).toUtf8(), line);
            }
        QCOMPARE(out.count("X-KALVIX-ALARM"),
                 change == QLatin1String("first") || file == Ours || out.contains("TRIGGER;RELATED=START:-PT30M") ? 1
                                                                                                                  : 0);

        // It reads as the appointment changed, and is changed no further.
        const Ical::NewAppointment back = readOne(out);
        QCOMPARE(back.date, date);
        QCOMPARE(back.record.Name.str(), r.Name.str());
        QCOMPARE(back.record.Description.str(), r.Description.str());
        QCOMPARE(back.record.Time, r.Time);
        QCOMPARE(back.record.FirstRemind, r.FirstRemind);
        QCOMPARE(back.record.RepeatInterval, r.RepeatInterval);
        QCOMPARE(back.record.LastReminded, r.LastReminded);
        QCOMPARE(bool(back.record.Done), bool(r.Done));
        QCOMPARE(Ical::PatchedItem(out, date, r, Changed + 1, error), out);
    }

    // What cannot be changed line by line is refused, not written anew.
    void refusesWhatItCannotChange_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("not iCalendar") << QByteArray("hello\n");
        QTest::newRow("a repeating event") << QByteArray(
            "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:x\nBEGIN:VEVENT\nUID:r\nDTSTAMP:20270101T000000Z\n"
            "DTSTART:20270610T090000\nRRULE:FREQ=DAILY\nSUMMARY:r\nEND:VEVENT\nEND:VCALENDAR\n");
    }
    void refusesWhatItCannotChange()
    {
        QFETCH(QByteArray, file);
        TTermin r;
        r.Name = "x";
        QString error;
        QVERIFY(Ical::PatchedItem(file, QDate(2027, 6, 10), r, Changed, error).isEmpty());
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestItemPatch)
#include "tst_itempatch.moc"
