#pragma once
// "kalvix resolve-conflict A B": the resolver vdirsyncer calls for an
// appointment changed both in the calendar folder and on the server (see
// sync/ConflictResolver.h). Named in the vdirsyncer configuration, not
// typed by people; its help says what it does all the same.

#include "app/cli/CommandLine.h"

namespace ConflictCommand {

QString Usage();
// `arguments`: "kalvix resolve-conflict" as one word, then the rest.
CommandLineOutcome Parse(const QStringList &arguments);

} // namespace ConflictCommand
