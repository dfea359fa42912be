#include "app/cli/CommandRun.h"

#include "app/cli/StoreAccess.h"
#include "platform/datafolder/DataFolder.h"
#include "reminders/Clock.h"
#include "store/DateTimeValue.h"
#include "store/TerminFile.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

CommandResult add(const Command &command, StoreAccess &store)
{
    CommandResult r;
    BatchCounts counts;
    QString error;
    if (!store.Add(command.batch, false, false, counts, error)) {
        r.status = 1;
        r.err = QStringLiteral("kalvix: ") + error + QLatin1Char('\n');
        return r;
    }
    const DatedTermin &first = command.batch.front();
    const DateTimeValue::Parts t = DateTimeValue::Split(first.termin.Time);
    if (counts.added == 1)
        r.out = QStringLiteral("Added %1 %2 to %3\n")
                    .arg(first.date.toString(Qt::ISODate), QTime(t.hour, t.minute, t.second).toString(QStringLiteral("HH:mm")),
                         store.dataPath())
                    .toUtf8();
    else
        r.out = QStringLiteral("Added %1 appointments from %2 to %3 to %4\n")
                    .arg(counts.added)
                    .arg(first.date.toString(Qt::ISODate), command.batch.back().date.toString(Qt::ISODate),
                         store.dataPath())
                    .toUtf8();
    return r;
}

CommandResult list(const Command &command, StoreAccess &store, Clock &clock)
{
    CommandResult r;
    DayGrid grid;
    TSettings settings;
    QString error;
    if (!store.Snapshot(grid, settings, error)) {
        r.status = 1;
        r.err = QStringLiteral("kalvix: ") + error + QLatin1Char('\n');
        return r;
    }
    r.out = Listing::Lines(grid, command.from, command.to, clock.now(), command.format).toUtf8();
    return r;
}

void write(FILE *stream, const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

CommandResult RunCommand(const Command &command, StoreAccess &store, Clock &clock)
{
    switch (command.kind) {
    case Command::Add:
        return add(command, store);
    case Command::List:
        return list(command, store, clock);
    default:
        return CommandResult{};
    }
}

std::optional<int> RunCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    SystemClock clock;
    const CommandLineOutcome parsed = CommandLine::Parse(arguments, DateTimeValue::ToDate(clock.now()));
    if (!parsed.ok()) {
        write(stderr, (QStringLiteral("kalvix: ") + parsed.error + QLatin1Char('\n') + parsed.usage).toUtf8());
        return 2;
    }
    const Command &command = parsed.command;
    switch (command.kind) {
    case Command::Window:
        return std::nullopt;
    case Command::Help:
    case Command::Version:
        write(stdout, command.text.toUtf8());
        return 0;
    default:
        break;
    }

    QCoreApplication app(argc, argv);
    StoreAccess store(TerminFile::PathIn(DataFolder::For(QCoreApplication::applicationDirPath())));
    const CommandResult result = RunCommand(command, store, clock);
    write(stdout, result.out);
    write(stderr, result.err.toUtf8());
    if (std::fflush(stdout) != 0 && result.status == 0) {
        std::fputs("kalvix: could not write the output\n", stderr);
        return 1;
    }
    return result.status;
}
