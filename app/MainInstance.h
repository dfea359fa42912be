#pragma once
// The program's side of "one running copy per data file": what a start
// does when another copy already owns "appointments.dat".

#include <optional>

class SingleInstance;

// Claims the data file for this start. Returns nothing when this copy is
// the one to run; otherwise the exit status this start ends with: 0 when
// the running copy was asked to show its window, 1 when it could not be
// reached (the user is told in a message box first). Either way the
// ending start has read, written and shown nothing of its own.
std::optional<int> ClaimDataFile(SingleInstance &instance);
