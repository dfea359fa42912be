#include "app/cli/CommandRun.h"

#include "app/cli/OutputFile.h"
#include "app/cli/StoreAccess.h"
#include "platform/datafolder/DataFolder.h"
#include "platform/instance/InstanceKey.h"
#include "reminders/Clock.h"
#include "resources/translations/Translations.h"
#include "store/DateTimeValue.h"
#include "store/StoreFile.h"
#include "store/TerminFile.h"
#include "store/ical/Ical.h"
#include "sync/ConflictResolver.h"
#include "sync/IndexKeeping.h"
#include "sync/VdirConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

CommandResult add(const Command &command, StoreAccess &store, double now)
{
    CommandResult r;
    BatchCounts counts;
    QString error;
    if (!store.Add(command.batch, false, false, counts, error, command.rule, now)) {
        // 1 promises that nothing changed; 3 says that nobody can tell.
        r.status = store.outcomeUnknown() ? 3 : 1;
        r.err = QStringLiteral("kalvix: ") + error + QLatin1Char('\n');
        return r;
    }
    const DatedTermin &first = command.batch.front();
    const DateTimeValue::Parts t = DateTimeValue::Split(first.termin.Time);
    if (counts.added == 1)
        r.out = QCoreApplication::translate("CommandRun", "Added %1 %2 to %3\n")
                    .arg(first.date.toString(Qt::ISODate),
                         QTime(t.hour, t.minute, t.second).toString(QStringLiteral("HH:mm")), store.dataPath())
                    .toUtf8();
    else
        r.out = QCoreApplication::translate("CommandRun", "Added %1 appointments from %2 to %3 to %4\n")
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

CommandResult failure(const QString &message)
{
    CommandResult r;
    r.status = 1;
    r.err = QStringLiteral("kalvix: ") + message + QLatin1Char('\n');
    return r;
}

bool isStandardStream(const QString &file)
{
    return file == QLatin1String("-");
}

CommandResult exportIcs(const Command &command, StoreAccess &store, Clock &clock)
{
    DayGrid grid;
    TSettings settings;
    QString error;
    if (!store.Snapshot(grid, settings, error))
        return failure(error);
    Ical::ExportOptions options;
    options.from = command.from;
    options.until = command.to;
    options.now = clock.now();
    const Ical::ExportResult exported = Ical::Export(grid, options);
    CommandResult r;
    if (isStandardStream(command.file)) {
        r.out = exported.bytes;
        return r;
    }
    // Written whole or not at all: an existing file is replaced only by a
    // complete export.
    if (!OutputFile::WriteWhole(command.file, exported.bytes, error))
        return failure(QCoreApplication::translate("CommandRun", "could not write %1: %2; nothing was exported")
                           .arg(command.file, error));
    r.out = QCoreApplication::translate("CommandRun", "Exported %1 appointments to %2\n")
                .arg(exported.events)
                .arg(command.file)
                .toUtf8();
    return r;
}

CommandResult importIcs(const Command &command, StoreAccess &store, Clock &clock)
{
    QFile in;
    const bool standard = isStandardStream(command.file);
    const bool opened = standard ? in.open(stdin, QIODevice::ReadOnly)
                                 : (in.setFileName(command.file), in.open(QIODevice::ReadOnly));
    if (!opened)
        return failure(
            QCoreApplication::translate("CommandRun", "could not read %1: %2").arg(command.file, in.errorString()));
    // A file's size is known: read into one block of it rather than
    // growing a buffer (which would hold the file twice for a moment).
    QByteArray bytes;
    if (!standard && in.size() > 0) {
        bytes.resize(in.size());
        bytes.resize(qMax<qint64>(0, in.read(bytes.data(), bytes.size())));
    } else {
        bytes = in.readAll();
    }
    if (in.error() != QFileDevice::NoError)
        return failure(
            QCoreApplication::translate("CommandRun", "could not read %1: %2").arg(command.file, in.errorString()));
    in.close();

    Ical::ImportOptions options;
    options.now = clock.now();
    options.from = command.from;
    options.until = command.to;
    Ical::ParseResult parsed = Ical::Parse(bytes, options);
    bytes = QByteArray(); // the appointments hold what they need of it
    const QString name = standard ? QCoreApplication::translate("CommandRun", "standard input") : command.file;
    if (parsed.overLimit)
        return failure(
            QCoreApplication::translate("CommandRun",
                                        "%1: %2; nothing was imported (import fewer days with --from and --until)")
                .arg(name, parsed.error));
    if (!parsed.ok)
        return failure(
            QCoreApplication::translate("CommandRun", "%1: %2; nothing was imported").arg(name, parsed.error));

    StoreBatch batch;
    batch.reserve(parsed.appointments.size());
    for (Ical::NewAppointment &a : parsed.appointments)
        batch.push_back(DatedTermin{a.date, std::move(a.record)});
    std::vector<Ical::NewAppointment>().swap(parsed.appointments);
    BatchCounts counts;
    QString error;
    if (!store.Add(batch, true, command.dryRun, counts, error, QByteArray(), clock.now()))
        return failure(error + QCoreApplication::translate("CommandRun", "; nothing was imported"));
    parsed.report.added = counts.added;
    parsed.report.alreadyPresent = counts.present;
    CommandResult r;
    r.out = ((command.dryRun ? QCoreApplication::translate("CommandRun", "Would import: ")
                             : QCoreApplication::translate("CommandRun", "Imported: "))
             + parsed.report.summary() + QLatin1Char('\n'))
                .toUtf8();
    return r;
}

CommandResult syncVdir(const Command &command, StoreAccess &store, Clock &clock)
{
    const QString remembered = VdirConfig::FolderFor(store.dataPath());
    QString folder = command.folder.isEmpty() ? remembered : command.folder;
    if (folder.isEmpty())
        return failure(
            QCoreApplication::translate(
                "CommandRun", "no calendar folder is set for %1; give it once with \"kalvix sync --vdir DIR\"")
                .arg(store.dataPath()));
    // One name for one folder, however it was given: the side index
    // remembers which folder it describes.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty())
        folder = canonical;
    QString report, error;
    if (!store.Sync(folder, folder != remembered, command.takeExisting, clock.now(), report, error,
                    command.takeRemovals))
        return failure(error);
    CommandResult r;
    r.out = report.toUtf8();
    if (folder != remembered && !VdirConfig::SetFolder(store.dataPath(), folder, error))
        r.err = QCoreApplication::translate("CommandRun", "kalvix: %1; give --vdir again next time\n").arg(error);
    return r;
}

CommandResult resolveConflict(const Command &command, StoreAccess &store, Clock &clock)
{
    const Resolution r = ResolveConflict(store.dataPath(), command.file, command.other, clock.now());
    if (!r.ok)
        return failure(r.error + QCoreApplication::translate("CommandRun", "; nothing was changed"));
    CommandResult result;
    if (r.same)
        return result;
    const auto when = [](double value) {
        return value == 0 ? QCoreApplication::translate("CommandRun", "unknown")
                          : DateTimeValue::ToDateTime(value).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    };
    result.out = QCoreApplication::translate("CommandRun",
                                             "Changed on both sides: %1 (changed %2) is the later change and was "
                                             "kept; the other version (changed %3) is in %4\n")
                     .arg(QFileInfo(r.firstWins ? command.file : command.other).fileName(), when(r.winnerChanged),
                          when(r.loserChanged), QDir::toNativeSeparators(r.keptPath))
                     .toUtf8();
    return result;
}

void write(FILE *stream, const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

namespace {

CommandResult runOne(const Command &command, StoreAccess &store, Clock &clock)
{
    switch (command.kind) {
    case Command::Add:
        return add(command, store, clock.now());
    case Command::List:
        return list(command, store, clock);
    case Command::Export:
        return exportIcs(command, store, clock);
    case Command::Import:
        return importIcs(command, store, clock);
    case Command::Sync:
        return syncVdir(command, store, clock);
    case Command::ResolveConflict:
        return resolveConflict(command, store, clock);
    default:
        return CommandResult{};
    }
}

} // namespace

CommandResult RunCommand(const Command &command, StoreAccess &store, Clock &clock)
{
    CommandResult r = runOne(command, store, clock);
    QString notes;
    for (const QString &note : store.notes())
        notes += QStringLiteral("kalvix: ") + note + QLatin1Char('\n');
    r.err.prepend(notes);
    return r;
}

DataFolder::Choice ChooseDataFolder()
{
    // A file holds no appointment only when it is exactly as long as an
    // empty store and reads as one: no record takes zero bytes.
    const auto holdsNothing = [](const QString &path) {
        static const qint64 emptySize = TerminFile::Serialize(DayGrid(), TSettings()).size();
        QFile file(path);
        if (file.size() != emptySize || !file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        DayGrid grid;
        TSettings settings;
        return TerminFile::Parse(bytes.constData(), size_t(bytes.size()), grid, settings).isEmpty();
    };
    return DataFolder::Choose(QCoreApplication::applicationDirPath(), QString::fromLatin1(TerminFile::FileName),
                              holdsNothing);
}

std::optional<int> RunCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    SystemClock clock;
    const QDate today = DateTimeValue::ToDate(clock.now());
    const CommandLineOutcome window = CommandLine::Parse(arguments, today);
    if (window.ok() && window.command.kind == Command::Window)
        return std::nullopt;

    // Whatever is said from here on is said in the user's language, which
    // takes the application object; the texts are made again with it.
    QCoreApplication app(argc, argv);
    Translations::Install(app);
    const CommandLineOutcome parsed = CommandLine::Parse(arguments, today);
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

    // The same data file as the window's, found the same way; what that
    // took (a file copied out of a read-only program folder, a socket
    // folder somebody else made) goes to standard error before the result.
    const DataFolder::Choice folder = ChooseDataFolder();
    StoreAccess store(TerminFile::PathIn(folder.folder));
    for (const QString &notice : {folder.notice, InstanceKey::For(store.dataPath()).socketNotice}) {
        if (!notice.isEmpty())
            write(stderr, (QStringLiteral("kalvix: ") + notice + QLatin1Char('\n')).toUtf8());
    }
    store.setOnWait([](const QString &why) {
        write(stderr,
              (QCoreApplication::translate("CommandRun", "kalvix: waiting: ") + why + QLatin1Char('\n')).toUtf8());
    });
    // Every save of the store keeps a mirror's side index in step.
    StoreFile::SetWrittenHook([&clock](const QString &path, const DayHashes &before, const DayGrid &grid) {
        IndexKeeping::AfterSave(path, before, grid, clock.now());
    });
    const CommandResult result = RunCommand(command, store, clock);
    StoreFile::SetWrittenHook(nullptr);
    write(stderr, result.err.toUtf8());
    // Standard output may be a file on a full disk: a listing or an export
    // cut short is a failure, never "done".
    QString error;
    if (std::fflush(stdout) != 0 || !OutputFile::WriteAndClose(STDOUT_FILENO, result.out, error)) {
        write(stderr,
              QCoreApplication::translate("CommandRun", "kalvix: could not write to standard output: %1\n")
                  .arg(error.isEmpty() ? QString::fromLocal8Bit(std::strerror(errno)) : error)
                  .toUtf8());
        return 1;
    }
    return result.status;
}
