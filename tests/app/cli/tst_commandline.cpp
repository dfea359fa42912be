// What the command line accepts and refuses, without running anything.
#include "app/cli/ArgumentValues.h"
#include "app/cli/CommandLine.h"
#include "app/cli/ManPage.h"
#include "app/cli/Occurrences.h"
#include "store/DateTimeValue.h"
#include "store/ical/Item.h"
#include "store/ical/SeriesItem.h"

#include <QtTest>

namespace {

const QDate Today(2026, 12, 7);

CommandLineOutcome parse(const QStringList &words)
{
    return CommandLine::Parse(QStringList{QStringLiteral("kalvix")} + words, Today);
}

double hm(int h, int m)
{
    return DateTimeValue::EncodeTime(h, m);
}

QList<QDate> dates(const StoreBatch &batch)
{
    QList<QDate> out;
    for (const DatedTermin &d : batch)
        out << d.date;
    return out;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void datesWithinTheStoredYearsOnly()
    {
        using ArgumentValues::Date;
        QCOMPARE(*Date(QStringLiteral("today"), Today).value, Today);
        QCOMPARE(*Date(QStringLiteral("Tomorrow"), Today).value, QDate(2026, 12, 8));
        QCOMPARE(*Date(QStringLiteral("2000-01-01"), Today).value, QDate(2000, 1, 1));
        QCOMPARE(*Date(QStringLiteral("2100-12-31"), Today).value, QDate(2100, 12, 31));
        QCOMPARE(*Date(QStringLiteral("2028-2-29"), Today).value, QDate(2028, 2, 29));
        for (const char *bad : {"1999-12-31", "2101-01-01", "2027-02-29", "2026-13-01", "24.12.2026", "", "yesterday"})
            QVERIFY2(!Date(QString::fromLatin1(bad), Today), bad);
        QVERIFY(Date(QStringLiteral("2101-01-01"), Today).error.contains(QLatin1String("2000-01-01 to 2100-12-31")));
        // "tomorrow" on the last day would leave the store.
        QVERIFY(!Date(QStringLiteral("tomorrow"), QDate(2100, 12, 31)));
    }

    void timesOfDay()
    {
        using ArgumentValues::TimeOfDay;
        QCOMPARE(*TimeOfDay(QStringLiteral("0:00")).value, 0.0);
        QCOMPARE(*TimeOfDay(QStringLiteral("18:00")).value, hm(18, 0));
        QCOMPARE(*TimeOfDay(QStringLiteral("23:59:59")).value, DateTimeValue::EncodeTime(23, 59, 59));
        for (const char *bad : {"24:00", "12:60", "12:00:60", "7", "12:5", "noon", "-1:00"})
            QVERIFY2(!TimeOfDay(QString::fromLatin1(bad)), bad);
    }

    void durationsInEveryAcceptedSpelling()
    {
        using ArgumentValues::Duration;
        const double d1h2m30 = 1 + hm(2, 30);
        QCOMPARE(*Duration(QStringLiteral("3d")).value, 3.0);
        QCOMPARE(*Duration(QStringLiteral("2h30m")).value, hm(2, 30));
        QCOMPARE(*Duration(QStringLiteral("1d2h30m")).value, d1h2m30);
        QCOMPARE(*Duration(QStringLiteral("P1DT2H30M")).value, d1h2m30);
        QCOMPARE(*Duration(QStringLiteral("pt26h30m")).value, d1h2m30); // carries into the days
        QCOMPARE(*Duration(QStringLiteral("P2W")).value, 14.0);
        QCOMPARE(*Duration(QStringLiteral("0")).value, 0.0);
        QCOMPARE(*Duration(QStringLiteral("PT0S")).value, 0.0);
        for (const char *bad : {"", "P", "PT", "P1DT", "3", "3x", "2m30h", "-1d", "1.5d", "40001d", "999999999w"})
            QVERIFY2(!Duration(QString::fromLatin1(bad)), bad);
        QCOMPARE(ArgumentValues::DurationText(d1h2m30), QStringLiteral("1d2h30m"));
        QCOMPARE(ArgumentValues::DurationText(0), QStringLiteral("0m"));
    }

    // The rule a series goes out with makes, in another program's eyes
    // (libical's), exactly the days "add --every" filed it on.
    void everyRuleMakesTheSameDays_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QString>("every");
        QTest::addColumn<int>("count");
        QTest::newRow("birthday to 2100") << QDate(2027, 5, 1) << "year" << 74;
        QTest::newRow("on 29 February") << QDate(2028, 2, 29) << "year" << 9;
        QTest::newRow("rent on the 31st") << QDate(2027, 1, 31) << "month" << 14;
        QTest::newRow("on the 30th") << QDate(2027, 1, 30) << "month" << 14;
        QTest::newRow("on the 29th") << QDate(2027, 11, 29) << "month" << 9;
        QTest::newRow("fortnightly") << QDate(2026, 12, 1) << "2w" << 30;
        QTest::newRow("every third day") << QDate(2026, 12, 30) << "3d" << 40;
    }
    void everyRuleMakesTheSameDays()
    {
        QFETCH(QDate, first);
        QFETCH(QString, every);
        QFETCH(int, count);
        const ArgumentValues::Step step = *ArgumentValues::Every(every).value;
        const QList<QDate> days = *Occurrences::Count(first, step, count).value;
        TTermin t;
        t.Name = "Series";
        t.Time = 0.375;
        const Ical::ItemRead read = Ical::ReadItem(
            Ical::SeriesBytes(first, t, Occurrences::Rule(first, step, count), "u@x", 0));
        QList<QDate> made;
        for (const Ical::NewAppointment &a : read.appointments)
            made.append(a.date);
        QVERIFY(read.repeats);
        QCOMPARE(made, days);
    }

    void monthlyOnTheLastDaysAndYearlyBirthdays()
    {
        const ArgumentValues::Step month = *ArgumentValues::Every(QStringLiteral("month")).value;
        const QList<QDate> rent = *Occurrences::Count(QDate(2027, 1, 31), month, 4).value;
        QCOMPARE(rent, (QList<QDate>{{2027, 1, 31}, {2027, 2, 28}, {2027, 3, 31}, {2027, 4, 30}}));
        QCOMPARE(Occurrences::Nth(QDate(2028, 1, 31), month, 1), QDate(2028, 2, 29));

        const ArgumentValues::Step year = *ArgumentValues::Every(QStringLiteral("year")).value;
        const QList<QDate> birthday = *Occurrences::Until(QDate(2027, 5, 1), year, QDate(2100, 12, 31)).value;
        QCOMPARE(birthday.size(), 74);
        QCOMPARE(birthday.constLast(), QDate(2100, 5, 1));
        const QList<QDate> leap = *Occurrences::Count(QDate(2028, 2, 29), year, 5).value;
        QCOMPARE(leap, (QList<QDate>{{2028, 2, 29}, {2029, 2, 28}, {2030, 2, 28}, {2031, 2, 28}, {2032, 2, 29}}));

        const ArgumentValues::Step twoWeeks = *ArgumentValues::Every(QStringLiteral("2w")).value;
        QCOMPARE(*Occurrences::Until(QDate(2026, 12, 1), twoWeeks, QDate(2026, 12, 29)).value,
                 (QList<QDate>{{2026, 12, 1}, {2026, 12, 15}, {2026, 12, 29}}));

        // Running past the store's last day or ending before the start is refused, not cut short.
        QVERIFY(!Occurrences::Count(QDate(2100, 12, 30), *ArgumentValues::Every(QStringLiteral("day")).value, 3));
        QVERIFY(!Occurrences::Until(QDate(2027, 1, 2), month, QDate(2027, 1, 1)));
        for (const char *bad : {"fortnight", "0d", "3m", "w", "-2d"})
            QVERIFY2(!ArgumentValues::Every(QString::fromLatin1(bad)), bad);
    }

    void addTakesTheDefaultsOfTheAddButton()
    {
        const CommandLineOutcome o = parse(
            {QStringLiteral("add"), QStringLiteral("tomorrow"), QStringLiteral("Dentist")});
        QVERIFY2(o.ok(), qPrintable(o.error));
        QCOMPARE(o.command.kind, Command::Add);
        QCOMPARE(o.command.batch.size(), size_t(1));
        const DatedTermin &d = o.command.batch.front();
        QCOMPARE(d.date, QDate(2026, 12, 8));
        QCOMPARE(d.termin.Time, 0.5);
        QCOMPARE(d.termin.FirstRemind, 3.0);
        QCOMPARE(d.termin.RepeatInterval, 1.0);
        QCOMPARE(d.termin.LastReminded, 0.0);
        QVERIFY(!d.termin.Done);
        QVERIFY(d.termin.Name == "Dentist");
        QVERIFY(d.termin.Description.empty());
    }

    void addWithEverything()
    {
        const CommandLineOutcome o = parse(
            {QStringLiteral("add"), QStringLiteral("2027-01-31"), QStringLiteral("18:30"),
             QStringLiteral("Caf\u00e9 \u20ac"), QStringLiteral("--first"), QStringLiteral("P1DT2H"),
             QStringLiteral("--repeat=2h30m"), QStringLiteral("-d"), QStringLiteral("one\ntwo\r\nthree"),
             QStringLiteral("--every"), QStringLiteral("month"), QStringLiteral("--count"), QStringLiteral("3")});
        QVERIFY2(o.ok(), qPrintable(o.error));
        QCOMPARE(dates(o.command.batch), (QList<QDate>{{2027, 1, 31}, {2027, 2, 28}, {2027, 3, 31}}));
        for (const DatedTermin &d : o.command.batch) {
            QCOMPARE(d.termin.Time, hm(18, 30));
            QCOMPARE(d.termin.FirstRemind, 1 + hm(2, 0));
            QCOMPARE(d.termin.RepeatInterval, hm(2, 30));
            // Windows-1252 bytes; line breaks as the description editor keeps them.
            QVERIFY(d.termin.Name == "Caf\xe9 \x80");
            QVERIFY(d.termin.Description == "one\r\ntwo\r\nthree");
        }
    }

    void addRefusals_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("says");
        auto row = [](const char *name, QStringList w, const char *says) {
            QTest::newRow(name) << (QStringList{QStringLiteral("add")} + w) << QString::fromUtf8(says);
        };
        row("no name", {QStringLiteral("today")}, "name");
        row("time without name", {QStringLiteral("today"), QStringLiteral("18:00")}, "name after the time");
        row("bad time", {QStringLiteral("today"), QStringLiteral("25:00"), QStringLiteral("x")}, "not a valid time");
        row("too many words",
            {QStringLiteral("today"), QStringLiteral("18:00"), QStringLiteral("a"), QStringLiteral("b")}, "quotes");
        row("empty name", {QStringLiteral("today"), QStringLiteral(" ")}, "empty");
        row("two-line name", {QStringLiteral("today"), QStringLiteral("a\nb")}, "line break");
        row("outside code page", {QStringLiteral("today"), QStringLiteral("\u6f22")}, "cannot store");
        row("until without every",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--until"), QStringLiteral("2027-01-01")},
            "go with --every");
        row("every alone",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--every"), QStringLiteral("day")},
            "either --until");
        row("both ends",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--every"), QStringLiteral("day"),
             QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--until"), QStringLiteral("2027-01-01")},
            "either --until");
        row("count zero",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--every"), QStringLiteral("day"),
             QStringLiteral("--count"), QStringLiteral("0")},
            "--count");
        row("until beyond 2100",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--every"), QStringLiteral("year"),
             QStringLiteral("--until"), QStringLiteral("2101-01-01")},
            "outside");
        row("bad duration",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--first"), QStringLiteral("soon")},
            "--first");
        row("twice",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--first"), QStringLiteral("1d"),
             QStringLiteral("--first"), QStringLiteral("2d")},
            "more than once");
        row("unknown option",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--colour"), QStringLiteral("red")},
            "colour");
        row("missing value", {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--every")}, "every");
        row("time with a minus sign", {QStringLiteral("today"), QStringLiteral("-1:00"), QStringLiteral("x")},
            "not a time of day");
        row("count with a minus sign",
            {QStringLiteral("today"), QStringLiteral("x"), QStringLiteral("--every"), QStringLiteral("day"),
             QStringLiteral("--count"), QStringLiteral("-2")},
            "--count");
    }
    void addRefusals()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, says);
        const CommandLineOutcome o = parse(words);
        QVERIFY(!o.ok());
        QVERIFY2(o.error.contains(says), qPrintable(o.error));
        QVERIFY(!o.error.contains(QLatin1Char('\n')));
        QVERIFY(o.usage.startsWith(QLatin1String("Usage: kalvix add")));
    }

    void listRanges()
    {
        CommandLineOutcome o = parse({QStringLiteral("list")});
        QVERIFY(o.ok());
        QCOMPARE(o.command.from, Today);
        QCOMPARE(o.command.to, Today.addDays(30));
        QCOMPARE(o.command.format, Listing::Format::Text);
        o = parse({QStringLiteral("list"), QStringLiteral("2027-01-01"), QStringLiteral("2027-01-01"),
                   QStringLiteral("--format"), QStringLiteral("tsv")});
        QVERIFY(o.ok());
        QCOMPARE(o.command.from, QDate(2027, 1, 1));
        QCOMPARE(o.command.to, QDate(2027, 1, 1));
        QCOMPARE(o.command.format, Listing::Format::Tsv);
        QVERIFY(!parse({QStringLiteral("list"), QStringLiteral("2027-01-02"), QStringLiteral("2027-01-01")}).ok());
        QVERIFY(!parse({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv")}).ok());
        QVERIFY(!parse({QStringLiteral("list"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}).ok());
    }

    void exportAndImportArguments()
    {
        CommandLineOutcome o = parse({QStringLiteral("export"), QStringLiteral("-")});
        QVERIFY(o.ok());
        QCOMPARE(o.command.kind, Command::Export);
        QCOMPARE(o.command.file, QStringLiteral("-"));
        QVERIFY(o.command.from.isNull() && o.command.to.isNull()); // everything
        o = parse({QStringLiteral("export"), QStringLiteral("out.ics"), QStringLiteral("2027-01-01"),
                   QStringLiteral("2027-02-01")});
        QVERIFY(o.ok());
        QCOMPARE(o.command.to, QDate(2027, 2, 1));
        QVERIFY(!parse({QStringLiteral("export")}).ok());
        QVERIFY(!parse({QStringLiteral("export"), QStringLiteral("x.ics"), QStringLiteral("2027-02-01"),
                        QStringLiteral("2027-01-01")})
                     .ok());

        o = parse({QStringLiteral("import"), QStringLiteral("in.ics"), QStringLiteral("--dry-run"),
                   QStringLiteral("--until"), QStringLiteral("2028-01-01")});
        QVERIFY(o.ok());
        QCOMPARE(o.command.kind, Command::Import);
        QVERIFY(o.command.dryRun);
        QVERIFY(!o.command.changesStore());
        QVERIFY(o.command.from.isNull());
        QCOMPARE(o.command.to, QDate(2028, 1, 1));
        QVERIFY(!parse({QStringLiteral("import")}).ok());
        QVERIFY(!parse({QStringLiteral("import"), QStringLiteral("a.ics"), QStringLiteral("b.ics")}).ok());
        QVERIFY(!parse({QStringLiteral("import"), QStringLiteral("a.ics"), QStringLiteral("--from"),
                        QStringLiteral("2101-01-01")})
                     .ok());
    }

    void windowHelpVersionAndStrangers()
    {
        QCOMPARE(parse({}).command.kind, Command::Window);
        // What a session manager or a user passes to the toolkit still starts the window.
        QCOMPARE(parse({QStringLiteral("-session"), QStringLiteral("1234abc")}).command.kind, Command::Window);
        QCOMPARE(parse({QStringLiteral("-style"), QStringLiteral("fusion")}).command.kind, Command::Window);
        QCOMPARE(parse({QStringLiteral("--version")}).command.kind, Command::Version);
        QVERIFY(parse({QStringLiteral("--version")}).command.text.startsWith(QLatin1String("kalvix 1.")));
        for (const QStringList &help : {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
                                        QStringList{QStringLiteral("add"), QStringLiteral("--help")},
                                        QStringList{QStringLiteral("list"), QStringLiteral("-h")}}) {
            const CommandLineOutcome o = parse(help);
            QCOMPARE(o.command.kind, Command::Help);
            QVERIFY(o.command.text.contains(QLatin1String("Usage: kalvix")));
        }
        for (const QStringList &bad :
             {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("remove")},
              QStringList{QStringLiteral("-session")}, QStringList{QStringLiteral("-v"), QStringLiteral("x")}}) {
            const CommandLineOutcome o = parse(bad);
            QVERIFY2(!o.ok(), qPrintable(bad.join(QLatin1Char(' '))));
            QVERIFY(!o.usage.isEmpty());
        }
    }

    // The manual page describes each command the usage lines name.
    void manualPageCoversEveryCommand()
    {
        const QString page = ManPage::Roff(QStringLiteral("2026-12-07"));
        const QRegularExpression usageLine(QStringLiteral("^Usage: kalvix ([\\w-]+)"),
                                           QRegularExpression::MultilineOption);
        int commands = 0;
        for (const QRegularExpressionMatch &m : usageLine.globalMatch(CommandLine::Usage())) {
            QVERIFY2(page.contains(QLatin1String(".SS ") + m.captured(1) + QLatin1Char('\n')),
                     qPrintable(m.captured(1)));
            ++commands;
        }
        QCOMPARE(commands, 6);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
