// A small driver of the iCalendar library for the tests that check our
// files with other programs (Python's icalendar, Radicale, khal):
//   icaltool sample STORE.dat          writes the store those tests use
//   icaltool export STORE.dat OUT.ics  exports every appointment
//   icaltool import IN.ics STORE.dat FROM UNTIL
//                                      imports into STORE.dat (created when missing)
//   icaltool dump STORE.dat            one line per appointment, tab-separated
// Dates are YYYY-MM-DD. The clock is fixed at 2026-12-01 10:00 so runs compare.

#include "store/DateTimeValue.h"
#include "store/TerminFile.h"
#include "store/ical/Ical.h"
#include "IcalSample.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

const double Now = DateTimeValue::EncodeDate(2026, 12, 1) + DateTimeValue::EncodeTime(10, 0);

int fail(const QString &what)
{
    std::fprintf(stderr, "icaltool: %s\n", qPrintable(what));
    return 1;
}

bool load(const QString &path, DayGrid &grid, TSettings &settings)
{
    return !QFile::exists(path) || OpenTermins(path, grid, settings).ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 3)
        return fail(QStringLiteral("usage: icaltool sample|export|import|dump ..."));
    const QString cmd = a[1];
    DayGrid grid;
    TSettings settings;
    if (cmd == QLatin1String("sample")) {
        IcalSample::Fill(grid);
        return SaveTermins(a[2], grid, settings).ok ? 0 : fail(QStringLiteral("cannot save"));
    }
    if (cmd == QLatin1String("export") && a.size() == 4) {
        if (!load(a[2], grid, settings))
            return fail(QStringLiteral("cannot read ") + a[2]);
        Ical::ExportOptions o;
        o.now = Now;
        QFile out(a[3]);
        if (!out.open(QIODevice::WriteOnly) || out.write(Ical::Export(grid, o).bytes) < 0)
            return fail(QStringLiteral("cannot write ") + a[3]);
        return 0;
    }
    if (cmd == QLatin1String("import") && a.size() == 6) {
        QFile in(a[2]);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read ") + a[2]);
        if (!load(a[3], grid, settings))
            return fail(QStringLiteral("cannot read ") + a[3]);
        Ical::ImportOptions o;
        o.now = Now;
        o.from = QDate::fromString(a[4], Qt::ISODate);
        o.until = QDate::fromString(a[5], Qt::ISODate);
        Ical::ParseResult r = Ical::Parse(in.readAll(), o);
        if (!r.ok)
            return fail(r.error);
        Ical::Merge(r.appointments, grid, r.report);
        std::printf("%s\n", qPrintable(r.report.summary()));
        return SaveTermins(a[3], grid, settings).ok ? 0 : fail(QStringLiteral("cannot save"));
    }
    if (cmd == QLatin1String("dump")) {
        if (!load(a[2], grid, settings))
            return fail(QStringLiteral("cannot read ") + a[2]);
        QTextStream out(stdout);
        out << IcalSample::Dump(grid);
        return 0;
    }
    return fail(QStringLiteral("unknown command ") + cmd);
}
