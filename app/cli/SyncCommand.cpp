#include "app/cli/SyncCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace SyncCommand {

namespace {

const char SyncUsage[] = QT_TRANSLATE_NOOP("SyncCommand",
                                           "Usage: kalvix sync [--vdir DIR] [--take-existing] [--take-removals]\n");
const char SyncHelp[] = QT_TRANSLATE_NOOP("SyncCommand",
                                          "Mirrors the appointments with a calendar folder that vdirsyncer keeps in\n"
                                          "step with a CalDAV server (a vdir: one .ics file per event; khal reads it\n"
                                          "too). What changed on one side since the last pass goes to the other; an\n"
                                          "appointment changed on both keeps the later change, and the other version\n"
                                          "is saved in the \"conflicts\" folder beside the data file. A reminder\n"
                                          "answered on either side stays answered. While Kalvix runs it keeps the\n"
                                          "folder in step by itself; this command then asks it for a pass at once.\n"
                                          "\n"
                                          "A folder that comes back emptied removes nothing: when a pass would\n"
                                          "remove the appointments of at least two events and that is all the\n"
                                          "events the folder held at the last pass, or of more than five and more\n"
                                          "than half of them, nothing is changed and the pass says why (a mount\n"
                                          "point not mounted, a folder deleted and made anew). A file of the folder\n"
                                          "that cannot be taken (not iCalendar, over 1 MB, repeating more often\n"
                                          "than a store holds) is set aside with a note, once, and the others are\n"
                                          "mirrored.\n"
                                          "\n"
                                          "  --vdir DIR           the calendar's folder, remembered from then on\n"
                                          "  --take-existing      the folder is new to this store and holds events\n"
                                          "                       other programs wrote: take them in as well\n"
                                          "  --take-removals      the folder was emptied on purpose: remove its\n"
                                          "                       events' appointments from the store as well\n");

// The usage line and help text above, in the language of the program's texts.
QString text(const char *source)
{
    return QCoreApplication::translate("SyncCommand", source);
}

CommandLineOutcome failed(const QString &error)
{
    CommandLineOutcome o;
    o.error = error;
    o.usage = text(SyncUsage);
    return o;
}

} // namespace

QString Usage()
{
    return text(SyncUsage);
}

CommandLineOutcome Parse(const QStringList &arguments)
{
    QCommandLineParser p;
    const QCommandLineOption helpOpt(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption vdirOpt(QStringLiteral("vdir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption takeOpt(QStringLiteral("take-existing"));
    const QCommandLineOption removalsOpt(QStringLiteral("take-removals"));
    p.addOptions({helpOpt, vdirOpt, takeOpt, removalsOpt});
    if (!p.parse(arguments))
        return failed(p.errorText());
    CommandLineOutcome o;
    if (p.isSet(helpOpt)) {
        o.command.kind = Command::Help;
        o.command.text = text(SyncUsage) + QLatin1Char('\n') + text(SyncHelp);
        return o;
    }
    if (!p.positionalArguments().isEmpty())
        return failed(
            QCoreApplication::translate("SyncCommand", "unexpected \"%1\"").arg(p.positionalArguments().constFirst()));
    if (p.values(vdirOpt).size() > 1)
        return failed(QCoreApplication::translate("SyncCommand", "--vdir is given twice"));
    o.command.kind = Command::Sync;
    if (p.isSet(vdirOpt)) {
        if (p.value(vdirOpt).isEmpty())
            return failed(QCoreApplication::translate("SyncCommand", "--vdir needs a folder"));
        o.command.folder = QDir::cleanPath(QDir::current().absoluteFilePath(p.value(vdirOpt)));
    }
    o.command.takeExisting = p.isSet(takeOpt);
    o.command.takeRemovals = p.isSet(removalsOpt);
    return o;
}

} // namespace SyncCommand
