#pragma once
// When the program last ran with a data file: the last moment it looked
// at the clock, so that the next start can tell which appointments passed
// meanwhile. Kept in the user's state folder ($XDG_STATE_HOME/kalvix), not
// in the data file, whose format stays as it is, and not beside it, where
// folder-syncing tools would see a file change every few minutes. One line
// per data file, the most recent first, a few dozen at most.

#include <QString>

namespace LastSeen {

QString FilePath();
// The date-time value last noted for `dataPath`; 0 when none was.
double Read(const QString &dataPath);
// Notes `value` for `dataPath`; false when the file could not be written
// (the next start then knows less, and says less, nothing more).
bool Write(const QString &dataPath, double value);

} // namespace LastSeen
