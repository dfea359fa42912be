#pragma once
// Settles an item that vdirsyncer found changed both in the calendar
// folder and on the server since its last sync, before any pass of the
// mirror could see both. vdirsyncer ("conflict_resolution = [\"command\",
// ...]") writes the two versions to two files, calls the command with
// their paths, and puts what the command leaves in them (the same in
// both) on both sides.
//
// The later change wins, as in a pass (VdirPass.h): by the event's
// LAST-MODIFIED, else its DTSTAMP. At the same second the second file
// wins, the server's in the pair the README shows, so that every machine
// settles the same conflict the same way. The other version is kept in
// the "conflicts" folder beside the data file, as a pass keeps it.

#include <QByteArray>
#include <QString>

struct Resolution {
    bool ok = false;
    QString error;                              // nothing was changed
    bool same = false;                          // the two were the same already: nothing kept
    bool firstWins = false;                     // else the second
    double winnerChanged = 0, loserChanged = 0; // local date-time values; 0: unknown
    QString keptPath;                           // the other version
};

// `first`, `second`: the two files; `dataPath` says where the conflicts
// folder is; `now` (a local date-time value) names the kept file.
Resolution ResolveConflict(const QString &dataPath, const QString &first, const QString &second, double now);
