#pragma once
// What the command line asks for, decided before any application object
// exists: the window (no command), help, the version, or one of the
// commands that work on the store without a display.
//
// Every mistake on the command line is found here, before anything is
// read or written, and comes back as one line saying what is wrong plus the
// usage of what was being written.

#include "app/cli/Listing.h"
#include "app/cli/StoreBatch.h"

#include <QDate>
#include <QString>
#include <QStringList>

struct Command {
    enum Kind { Window, Help, Version, Add, List, Export, Import, Sync, ResolveConflict } kind = Window;

    QString text;     // Help: the help to print
    StoreBatch batch; // Add: the appointments to add, in order
    QByteArray rule;  // Add: with --every, the series' iCalendar rule
    QDate from, to;   // List, Export: the days, both included; Import: the
                      // days recurring events are expanded over (null: default)
    Listing::Format format = Listing::Format::Text;
    QString file;              // Export, Import: the .ics file, "-" for standard output/input;
                               // ResolveConflict: the first version
    QString other;             // ResolveConflict: the second version
    bool dryRun = false;       // Import: count only
    QString folder;            // Sync: the calendar folder to mirror to (empty: the one set before)
    bool takeExisting = false; // Sync: take in the events other programs put in a new folder
    bool takeRemovals = false; // Sync: remove what an emptied folder no longer holds

    bool changesStore() const { return kind == Add || kind == Sync || (kind == Import && !dryRun); }
};

struct CommandLineOutcome {
    Command command;
    QString error; // one line; the command is not to be run when set
    QString usage; // the usage to print below the error

    bool ok() const { return error.isEmpty(); }
};

namespace CommandLine {

// `arguments` as the program received them, the program's name first.
// `today` resolves "today", "tomorrow" and the default range of "list".
CommandLineOutcome Parse(const QStringList &arguments, const QDate &today);

QString Usage(); // all commands, short
// "Kalvix 1.0 reminds you of your appointments.": the first line of the help.
QString Summary();
QString VersionText();

} // namespace CommandLine
