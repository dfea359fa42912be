#pragma once
// The folder that holds appointments.dat. Traditionally the program's own
// folder; a system-wide installation (/usr/bin) is not writable by the user,
// so there the file lives in the user's data folder instead
// ($XDG_DATA_HOME/kalvix, by default ~/.local/share/kalvix), one per user.

#include <QString>

namespace DataFolder {

// The folder for a program installed in `programDir`, ending in "/".
// The user's folder is created (private to the user) when it is chosen
// and does not exist yet; should that fail, it is still returned, and the
// file's first read or write reports the problem with its full path.
QString For(const QString &programDir);

// Whether this process may create and replace files in `dir`.
bool IsWritable(const QString &dir);

} // namespace DataFolder
