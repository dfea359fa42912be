#pragma once
// "kalvix sync": mirrors the store with a calendar folder (vdir) that
// vdirsyncer keeps in step with a CalDAV server. "--vdir DIR" sets the
// folder (remembered per data file); without it the folder set before is
// used.

#include "app/cli/CommandLine.h"

namespace SyncCommand {

QString Usage();
// `arguments`: "kalvix sync" as one word, then the rest.
CommandLineOutcome Parse(const QStringList &arguments);

} // namespace SyncCommand
