#pragma once
// The folder that holds appointments.dat. Traditionally the program's own
// folder; a system-wide installation (/usr/bin) is not writable by the user,
// so there the file lives in the user's data folder instead
// ($XDG_DATA_HOME/kalvix, by default ~/.local/share/kalvix), one per user.

#include <QString>

#include <functional>

namespace DataFolder {

struct Choice {
    QString folder; // ends in "/"
    // What was done with a data file found in a program folder the user
    // cannot write, for the user; empty when there is nothing to tell.
    QString notice;
};

// The folder for a program installed in `programDir`, ending in "/".
// The user's folder is created (private to the user) when it is chosen
// and does not exist yet; should that fail, it is still returned, and the
// file's first read or write reports the problem with its full path.
QString For(const QString &programDir);

// The same choice for the data file `fileName`. Such a file left in a
// program folder the user cannot write (installed with the program, or
// written while the folder still was writable) is copied into the user's
// folder when that has none yet, or only one that `holdsNothing` (an empty
// store an earlier start made there while it overlooked the file), and the
// copy is used from then on: the user's appointments never look lost, and
// every later start, the window's and the command line's alike, finds the
// copy and has nothing to tell. When it cannot be copied, the file is used
// where it is (its read or first save then reports why).
Choice Choose(const QString &programDir, const QString &fileName,
              const std::function<bool(const QString &path)> &holdsNothing);

// The folder of the running executable, as the application object reports
// it, found before there is one; empty where that cannot be known.
QString ExecutableFolder();

// Whether this process may create and replace files in `dir`.
bool IsWritable(const QString &dir);

} // namespace DataFolder
