#include "app/cli/ConflictCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace ConflictCommand {

namespace {

const char Usage_[] = QT_TRANSLATE_NOOP("ConflictCommand", "Usage: kalvix resolve-conflict FILE FILE\n");
const char Help[] = QT_TRANSLATE_NOOP("ConflictCommand",
                                      "Settles an appointment that vdirsyncer found changed both in the calendar\n"
                                      "folder and on the server. vdirsyncer calls it with the two versions'\n"
                                      "files (conflict_resolution = [\"command\", \"kalvix\", \"resolve-conflict\"]\n"
                                      "in its configuration). The later change (LAST-MODIFIED) is written to both\n"
                                      "files; at the same time the second file's wins. The other version is kept\n"
                                      "in the \"conflicts\" folder beside the data file.\n");

QString text(const char *source)
{
    return QCoreApplication::translate("ConflictCommand", source);
}

} // namespace

QString Usage()
{
    return text(Usage_);
}

CommandLineOutcome Parse(const QStringList &arguments)
{
    QCommandLineParser p;
    const QCommandLineOption helpOpt(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    p.addOption(helpOpt);
    CommandLineOutcome o;
    if (!p.parse(arguments)) {
        o.error = p.errorText();
    } else if (p.isSet(helpOpt)) {
        o.command.kind = Command::Help;
        o.command.text = text(Usage_) + QLatin1Char('\n') + text(Help);
        return o;
    } else if (p.positionalArguments().size() != 2 || p.positionalArguments().contains(QString())) {
        o.error = QCoreApplication::translate("ConflictCommand", "resolve-conflict takes two files");
    } else {
        o.command.kind = Command::ResolveConflict;
        o.command.file = p.positionalArguments().at(0);
        o.command.other = p.positionalArguments().at(1);
        return o;
    }
    o.usage = text(Usage_);
    return o;
}

} // namespace ConflictCommand
