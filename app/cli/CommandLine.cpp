#include "app/cli/CommandLine.h"

#include "KalvixProduct.h"
#include "app/cli/ArgumentValues.h"
#include "app/cli/ConflictCommand.h"
#include "app/cli/Occurrences.h"
#include "app/cli/SyncCommand.h"
#include "store/ical/CodePageBridge.h"
#include "store/DateTimeValue.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <initializer_list>
#include <optional>

namespace CommandLine {

namespace {

const char AddUsage[] =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Usage: kalvix add DATE [TIME] NAME [--description TEXT] [--first DURATION] [--repeat DURATION]\n"
                      "                  [--every day|week|month|year|Nd|Nw (--until DATE | --count N)]\n");
const char ListUsage[] = QT_TRANSLATE_NOOP("CommandLine", "Usage: kalvix list [FROM [TO]] [--format text|tsv]\n");
const char ExportUsage[] = QT_TRANSLATE_NOOP("CommandLine", "Usage: kalvix export FILE.ics [FROM [TO]]\n");
const char ImportUsage[] =
    QT_TRANSLATE_NOOP("CommandLine", "Usage: kalvix import FILE.ics [--dry-run] [--from DATE] [--until DATE]\n");
const char WindowUsage[] = QT_TRANSLATE_NOOP("CommandLine", "Usage: kalvix [--help | --version | COMMAND ...]\n");

const char AddHelp[] =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Adds an appointment, as \"Add appointment\" in the window does.\n"
                      "\n"
                      "  DATE                 2026-12-24, today or tomorrow (2000-01-01 to 2100-12-31)\n"
                      "  TIME                 18:00 (default 12:00)\n"
                      "  NAME                 the appointment's name; put it in quotes when it has spaces\n"
                      "  -d, --description TEXT  longer text shown with the reminder\n"
                      "  --first DURATION     first reminder this long before (default 3d)\n"
                      "  --repeat DURATION    then remind again this often (default 1d)\n"
                      "  --every STEP         add one appointment per day, week, month, year, N days (Nd)\n"
                      "                       or N weeks (Nw); a day missing in a month (the 31st)\n"
                      "                       becomes its last day\n"
                      "  --until DATE         last day of the series (with --every)\n"
                      "  --count N            number of appointments in the series (with --every)\n"
                      "\n"
                      "DURATION: 3d, 2h30m, 1d2h30m, 45m or ISO 8601 such as P1DT2H30M.\n");
const char ListHelp[] =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Lists the appointments from FROM to TO (both included), in calendar order and\n"
                      "within a day in the order they were added: date, time, name, reminder state.\n"
                      "FROM defaults to today, TO to 30 days after FROM.\n"
                      "\n"
                      "  --format text|tsv    tsv: tab-separated columns date, time, name, state\n"
                      "                       (done, passed, due, waiting, reminded), last reminded,\n"
                      "                       first reminder, repeat, description; tab, line break,\n"
                      "                       carriage return and backslash written as \\t \\n \\r \\\\\n");

const char ExportHelp[] =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Writes the appointments from FROM to TO (both included; default: all of them)\n"
                      "as iCalendar (RFC 5545) for other calendar programs, each with its reminder\n"
                      "as an alarm. FILE - writes to standard output.\n");
const char ImportHelp[] =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Adds every event of an iCalendar file as an appointment, with its first\n"
                      "alarm as the reminder. Recurring events become one appointment per\n"
                      "occurrence from --from (default today) to --until (default a year later).\n"
                      "An appointment with the same day, time, name and description as one\n"
                      "already stored is not added again. Nothing is imported from a file that\n"
                      "cannot be read as a whole. FILE - reads standard input.\n"
                      "\n"
                      "One import takes at most 2,000,000 occurrences (an event is one; a\n"
                      "repeating event one each time it repeats until --until, also before\n"
                      "--from) and 1,024 MB of names and descriptions; a file with more is\n"
                      "refused and nothing is imported.\n"
                      "\n"
                      "  --dry-run            only count what would be added\n"
                      "  --from DATE          first day of recurring events\n"
                      "  --until DATE         last day of recurring events\n");

// The usage lines and help texts above, in the language of the program's texts.
QString text(const char *source)
{
    return QCoreApplication::translate("CommandLine", source);
}

QString helpFor(const char *usage, const char *body)
{
    return text(usage) + QLatin1Char('\n') + text(body);
}

// Options the toolkit reads itself when the window starts (a session
// manager restarting the program passes -session, a user may pass -style);
// accepted but not listed in the help.
void addToolkitOptions(QCommandLineParser &p)
{
    for (const char *name : {"platform",
                             "platformpluginpath",
                             "platformtheme",
                             "plugin",
                             "qwindowgeometry",
                             "qwindowicon",
                             "qwindowtitle",
                             "qmljsdebugger",
                             "display",
                             "geometry",
                             "title",
                             "name",
                             "style",
                             "stylesheet",
                             "session",
                             "fn",
                             "font",
                             "bg",
                             "background",
                             "fg",
                             "foreground",
                             "btn",
                             "button",
                             "visual",
                             "im",
                             "dialogs"}) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"}) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    }
}

CommandLineOutcome failed(const QString &error, const char *usage)
{
    CommandLineOutcome o;
    o.error = error;
    o.usage = text(usage);
    return o;
}

CommandLineOutcome help(const QString &text)
{
    CommandLineOutcome o;
    o.command.kind = Command::Help;
    o.command.text = text;
    return o;
}

// Texts of the store are 8-bit; a character the file cannot hold is refused
// rather than silently turned into "?".
// `refusal` says so with %1 for the number of such characters.
bool toStoreText(const QString &refusal, const QString &value, TText &out, QString &error)
{
    int lost = 0;
    const std::string bytes = Ical::EncodeText(value, lost);
    if (lost > 0) {
        error = refusal.arg(lost);
        return false;
    }
    out = bytes;
    return true;
}

// The start every command's parsing shares: options may follow the
// positional arguments, and -h/--help answers with the command's help. Gives
// the outcome when parsing ends there (a mistake or the help), else nothing.
// A word such as "-1:00" or "-5" is no option (none starts with a digit)
// but a value with a minus sign, which the parser would take apart into
// the options "-1", "-:", "-0"... Said as what it is, unless it is the
// value of the option before it.
QString negativeWord(const QStringList &arguments, const QList<QCommandLineOption> &options)
{
    QStringList takingValues;
    for (const QCommandLineOption &o : options)
        if (!o.valueName().isEmpty())
            for (const QString &name : o.names())
                takingValues << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &word = arguments[i];
        if (word == QLatin1String("--"))
            break;
        if (word.size() < 2 || word[0] != QLatin1Char('-') || !word[1].isDigit()
            || takingValues.contains(arguments[i - 1]))
            continue;
        if (ArgumentValues::LooksLikeTime(word.mid(1)))
            return ArgumentValues::TimeOfDay(word).error;
        return QCoreApplication::translate("CommandLine",
                                           "\"%1\" is neither an option nor a value: a date, time or "
                                           "number has no minus sign")
            .arg(word);
    }
    return QString();
}

std::optional<CommandLineOutcome> startParsing(QCommandLineParser &p, const QStringList &arguments,
                                               QList<QCommandLineOption> options, const char *usage,
                                               const char *helpText)
{
    p.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption helpOpt(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    options.prepend(helpOpt);
    p.addOptions(options);
    if (const QString negative = negativeWord(arguments, options); !negative.isEmpty())
        return failed(negative, usage);
    if (!p.parse(arguments))
        return failed(p.errorText(), usage);
    if (p.isSet(helpOpt))
        return help(helpFor(usage, helpText));
    return std::nullopt;
}

// For options whose second mention would silently override the first.
std::optional<CommandLineOutcome>
givenTwice(const QCommandLineParser &p, std::initializer_list<const QCommandLineOption *> options, const char *usage)
{
    for (const QCommandLineOption *o : options)
        if (p.values(*o).size() > 1)
            return failed(
                QCoreApplication::translate("CommandLine", "--%1 is given more than once").arg(o->names().constLast()),
                usage);
    return std::nullopt;
}

CommandLineOutcome parseAdd(const QStringList &arguments, const QDate &today)
{
    QCommandLineParser p;
    const QCommandLineOption descOpt(QStringList{QStringLiteral("d"), QStringLiteral("description")}, QString(),
                                     QStringLiteral("TEXT"));
    const QCommandLineOption firstOpt(QStringLiteral("first"), QString(), QStringLiteral("DURATION"));
    const QCommandLineOption repeatOpt(QStringLiteral("repeat"), QString(), QStringLiteral("DURATION"));
    const QCommandLineOption everyOpt(QStringLiteral("every"), QString(), QStringLiteral("STEP"));
    const QCommandLineOption untilOpt(QStringLiteral("until"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption countOpt(QStringLiteral("count"), QString(), QStringLiteral("N"));
    if (auto early = startParsing(p, arguments, {descOpt, firstOpt, repeatOpt, everyOpt, untilOpt, countOpt}, AddUsage,
                                  AddHelp))
        return *early;
    if (auto twice = givenTwice(p, {&descOpt, &firstOpt, &repeatOpt, &everyOpt, &untilOpt, &countOpt}, AddUsage))
        return *twice;

    const QStringList pos = p.positionalArguments();
    if (pos.size() < 2)
        return failed(pos.isEmpty() ? QCoreApplication::translate("CommandLine", "add needs a date and a name")
                                    : QCoreApplication::translate("CommandLine", "add needs a name after the date"),
                      AddUsage);
    if (pos.size() > 3)
        return failed(
            QCoreApplication::translate("CommandLine",
                                        "add takes a date, a time and a name, but got %1 words; put a name with "
                                        "spaces in quotes")
                .arg(pos.size()),
            AddUsage);

    const Parsed<QDate> date = ArgumentValues::Date(pos[0], today);
    if (!date)
        return failed(date.error, AddUsage);
    TTermin t;
    t.Time = DateTimeValue::EncodeTime(12, 0);
    t.FirstRemind = 3.0;
    t.RepeatInterval = 1.0;
    QString name = pos.back();
    if (pos.size() == 3) {
        const Parsed<double> time = ArgumentValues::TimeOfDay(pos[1]);
        if (!time)
            return failed(time.error, AddUsage);
        t.Time = *time.value;
    } else if (ArgumentValues::LooksLikeTime(name)) {
        return failed(QCoreApplication::translate("CommandLine", "add needs a name after the time \"%1\"").arg(name),
                      AddUsage);
    }
    if (name.trimmed().isEmpty())
        return failed(QCoreApplication::translate("CommandLine", "the name is empty"), AddUsage);
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        return failed(QCoreApplication::translate("CommandLine", "the name holds a line break; a name is one line"),
                      AddUsage);

    QString error;
    if (!toStoreText(QCoreApplication::translate("CommandLine",
                                                 "the name holds %1 character(s) the data file cannot store (it keeps "
                                                 "Western European characters only)"),
                     name, t.Name, error))
        return failed(error, AddUsage);
    if (p.isSet(descOpt)) {
        // Line breaks are stored as CR LF, as the description editor keeps them.
        if (!toStoreText(QCoreApplication::translate("CommandLine",
                                                     "the description holds %1 character(s) the data file cannot "
                                                     "store (it keeps Western European characters only)"),
                         p.value(descOpt), t.Description, error))
            return failed(error, AddUsage);
    }
    for (auto [opt, field] : {std::pair{&firstOpt, &t.FirstRemind}, std::pair{&repeatOpt, &t.RepeatInterval}}) {
        if (!p.isSet(*opt))
            continue;
        const Parsed<double> d = ArgumentValues::Duration(p.value(*opt));
        if (!d)
            return failed(
                QCoreApplication::translate("CommandLine", "--%1: %2").arg(opt->names().constFirst(), d.error),
                AddUsage);
        *field = *d.value;
    }

    QList<QDate> days{*date.value};
    QByteArray rule;
    if (p.isSet(everyOpt)) {
        const Parsed<ArgumentValues::Step> step = ArgumentValues::Every(p.value(everyOpt));
        if (!step)
            return failed(QCoreApplication::translate("CommandLine", "--every: ") + step.error, AddUsage);
        if (p.isSet(untilOpt) == p.isSet(countOpt))
            return failed(QCoreApplication::translate("CommandLine", "--every needs either --until DATE or --count N"),
                          AddUsage);
        Parsed<QList<QDate>> series;
        if (p.isSet(untilOpt)) {
            const Parsed<QDate> until = ArgumentValues::Date(p.value(untilOpt), today);
            if (!until)
                return failed(QCoreApplication::translate("CommandLine", "--until: ") + until.error, AddUsage);
            series = Occurrences::Until(*date.value, *step.value, *until.value);
        } else {
            bool ok = false;
            const int count = p.value(countOpt).toInt(&ok);
            if (!ok || count < 1)
                return failed(QCoreApplication::translate("CommandLine",
                                                          "--count: \"%1\" is not a whole number of 1 or more")
                                  .arg(p.value(countOpt)),
                              AddUsage);
            series = Occurrences::Count(*date.value, *step.value, count);
        }
        if (!series)
            return failed(series.error, AddUsage);
        days = *series.value;
        rule = Occurrences::Rule(*date.value, *step.value, int(days.size()));
    } else if (p.isSet(untilOpt) || p.isSet(countOpt)) {
        return failed(QCoreApplication::translate("CommandLine", "--until and --count go with --every"), AddUsage);
    }

    CommandLineOutcome o;
    o.command.kind = Command::Add;
    o.command.rule = rule;
    o.command.batch.reserve(size_t(days.size()));
    for (const QDate &d : days)
        o.command.batch.push_back(DatedTermin{d, t});
    return o;
}

// FROM [TO] from positional argument `first` on, into `from` and `to`.
bool parseRange(const QStringList &pos, int first, const QDate &today, const char *usage, QDate &from, QDate &to,
                CommandLineOutcome &failure)
{
    if (pos.size() > first + 2) {
        failure = failed(QCoreApplication::translate("CommandLine", "at most two dates, FROM and TO, may follow"),
                         usage);
        return false;
    }
    for (int i = first; i < pos.size(); ++i) {
        const Parsed<QDate> d = ArgumentValues::Date(pos[i], today);
        if (!d) {
            failure = failed(d.error, usage);
            return false;
        }
        (i == first ? from : to) = *d.value;
    }
    if (from.isValid() && to.isValid() && to < from) {
        failure = failed(QCoreApplication::translate("CommandLine", "TO %1 comes before FROM %2")
                             .arg(to.toString(Qt::ISODate), from.toString(Qt::ISODate)),
                         usage);
        return false;
    }
    return true;
}

CommandLineOutcome parseList(const QStringList &arguments, const QDate &today)
{
    QCommandLineParser p;
    const QCommandLineOption formatOpt(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"),
                                       QStringLiteral("text"));
    if (auto early = startParsing(p, arguments, {formatOpt}, ListUsage, ListHelp))
        return *early;
    CommandLineOutcome o;
    o.command.kind = Command::List;
    const QString format = p.value(formatOpt);
    if (format == QLatin1String("tsv"))
        o.command.format = Listing::Format::Tsv;
    else if (format != QLatin1String("text"))
        return failed(
            QCoreApplication::translate("CommandLine", "--format: \"%1\" is neither text nor tsv").arg(format),
            ListUsage);

    const QStringList pos = p.positionalArguments();
    if (pos.size() > 2)
        return failed(QCoreApplication::translate("CommandLine", "list takes at most two dates, FROM and TO"),
                      ListUsage);
    CommandLineOutcome failure;
    if (!parseRange(pos, 0, today, ListUsage, o.command.from, o.command.to, failure))
        return failure;
    // From today, for 30 days, unless said otherwise.
    if (!o.command.from.isValid())
        o.command.from = today;
    if (!o.command.to.isValid())
        o.command.to = o.command.from.addDays(30);
    return o;
}

CommandLineOutcome parseExport(const QStringList &arguments, const QDate &today)
{
    QCommandLineParser p;
    if (auto early = startParsing(p, arguments, {}, ExportUsage, ExportHelp))
        return *early;
    const QStringList pos = p.positionalArguments();
    if (pos.isEmpty() || pos[0].isEmpty())
        return failed(QCoreApplication::translate("CommandLine", "export needs a file name (- for standard output)"),
                      ExportUsage);
    CommandLineOutcome o;
    o.command.kind = Command::Export;
    o.command.file = pos[0];
    CommandLineOutcome failure;
    if (!parseRange(pos, 1, today, ExportUsage, o.command.from, o.command.to, failure))
        return failure;
    return o;
}

CommandLineOutcome parseImport(const QStringList &arguments, const QDate &today)
{
    QCommandLineParser p;
    const QCommandLineOption dryOpt(QStringLiteral("dry-run"));
    const QCommandLineOption fromOpt(QStringLiteral("from"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption untilOpt(QStringLiteral("until"), QString(), QStringLiteral("DATE"));
    if (auto early = startParsing(p, arguments, {dryOpt, fromOpt, untilOpt}, ImportUsage, ImportHelp))
        return *early;
    const QStringList pos = p.positionalArguments();
    if (pos.size() != 1 || pos[0].isEmpty())
        return failed(pos.isEmpty() ? QCoreApplication::translate("CommandLine",
                                                                  "import needs a file name (- for standard input)")
                                    : QCoreApplication::translate("CommandLine", "import takes one file"),
                      ImportUsage);
    CommandLineOutcome o;
    o.command.kind = Command::Import;
    o.command.file = pos[0];
    o.command.dryRun = p.isSet(dryOpt);
    QStringList range;
    for (const QCommandLineOption *opt : {&fromOpt, &untilOpt}) {
        if (auto twice = givenTwice(p, {opt}, ImportUsage))
            return *twice;
        if (!p.isSet(*opt))
            continue;
        const Parsed<QDate> d = ArgumentValues::Date(p.value(*opt), today);
        if (!d)
            return failed(
                QCoreApplication::translate("CommandLine", "--%1: %2").arg(opt->names().constFirst(), d.error),
                ImportUsage);
        (opt == &fromOpt ? o.command.from : o.command.to) = *d.value;
    }
    if (o.command.from.isValid() && o.command.to.isValid() && o.command.to < o.command.from)
        return failed(QCoreApplication::translate("CommandLine", "--until comes before --from"), ImportUsage);
    return o;
}

} // namespace

QString Usage()
{
    return text(WindowUsage) + text(AddUsage) + text(ListUsage) + text(ExportUsage) + text(ImportUsage)
        + SyncCommand::Usage() + ConflictCommand::Usage();
}

QString Summary()
{
    return QCoreApplication::translate("CommandLine", "%1 reminds you of your appointments.")
        .arg(QStringLiteral(KALVIX_TITLE));
}

QString VersionText()
{
    return QStringLiteral(KALVIX_COMMAND " " KALVIX_VERSION "\n");
}

CommandLineOutcome Parse(const QStringList &arguments, const QDate &today)
{
    const QString program = arguments.value(0, QStringLiteral("kalvix"));
    const QString first = arguments.value(1);
    if (!first.isEmpty() && !first.startsWith(QLatin1Char('-'))) {
        const QStringList rest = QStringList{program + QLatin1Char(' ') + first} + arguments.mid(2);
        if (first == QLatin1String("add"))
            return parseAdd(rest, today);
        if (first == QLatin1String("list"))
            return parseList(rest, today);
        if (first == QLatin1String("export"))
            return parseExport(rest, today);
        if (first == QLatin1String("import"))
            return parseImport(rest, today);
        if (first == QLatin1String("sync"))
            return SyncCommand::Parse(rest);
        if (first == QLatin1String("resolve-conflict"))
            return ConflictCommand::Parse(rest);
        if (first == QLatin1String("help"))
            return help(
                CommandLine::Usage()
                + QCoreApplication::translate("CommandLine", "\nRun \"kalvix COMMAND --help\" for one command.\n"));
        return failed(QCoreApplication::translate("CommandLine", "unknown command \"%1\"").arg(first), WindowUsage);
    }

    QCommandLineParser p;
    // Toolkit options are single-dash words (-style fusion, -session id).
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOpt(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOpt(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    p.addOptions({helpOpt, versionOpt});
    addToolkitOptions(p);
    if (!p.parse(arguments))
        return failed(p.errorText(), WindowUsage);
    if (!p.positionalArguments().isEmpty())
        return failed(
            QCoreApplication::translate("CommandLine", "unexpected \"%1\"").arg(p.positionalArguments().constFirst()),
            WindowUsage);
    if (p.isSet(helpOpt))
        return help(
            Summary() + QStringLiteral("\n\n") + Usage()
            + QCoreApplication::translate("CommandLine",
                                          "\nWithout a command the window opens (or the running copy shows "
                                          "itself).\nCommands work without a display; when %1 runs, the running "
                                          "copy\ncarries them out. Run \"kalvix COMMAND --help\" for one "
                                          "command.\nOne import takes at most 2,000,000 occurrences of events.\n")
                  .arg(QStringLiteral(KALVIX_NAME)));
    CommandLineOutcome o;
    if (p.isSet(versionOpt)) {
        o.command.kind = Command::Version;
        o.command.text = VersionText();
    }
    return o;
}

} // namespace CommandLine
