#pragma once
// Carries out a command that works on the store and says how it went:
// what to print on standard output, what on standard error, and the exit
// status (0 done, 1 failed with nothing changed).

#include "app/cli/CommandLine.h"
#include "platform/datafolder/DataFolder.h"

#include <QByteArray>
#include <QString>

class Clock;
class StoreAccess;

struct CommandResult {
    int status = 0;
    QByteArray out; // UTF-8
    QString err;    // one message a line
};

CommandResult RunCommand(const Command &command, StoreAccess &store, Clock &clock);

// Where the data file is, for the window and the command line alike (see
// DataFolder::Choose); needs the application object.
DataFolder::Choice ChooseDataFolder();

// Program entry for everything but the window: decides from the raw
// arguments, before any application object exists, whether a window is
// wanted. Returns nothing when it is; otherwise the exit status after
// printing help, the version, a usage error or a command's result. Only a
// command that works on the store creates an application object, and a
// core one, so commands run without a display.
#include <optional>
std::optional<int> RunCommandLine(int argc, char **argv);
