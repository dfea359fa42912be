#pragma once
// Where the store goes when the last save before the program ends fails
// and memory holds something the data file lacks: into a new file beside
// the data file, or, when that folder refuses too, into the user's data
// folder (~/.local/share/kalvix). The file holds the bytes the data file
// would have held; the ending's message says what each file holds, and
// only where the data file had been read does it advise putting the side
// file in its place. An earlier such file is never replaced; each failed
// ending gets its own name.

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct KeptStore {
    QString path;     // where the bytes are now; empty when nowhere
    QString problems; // what went wrong on the way, one line per place tried
};

// `at` makes the name: "<data file>.unsaved-YYYYMMDD-HHMMSS[-N]".
KeptStore KeepUnsavedStore(const QString &dataPath, const QByteArray &bytes, const QDateTime &at);

// The user's data folder for such files.
QString UnsavedStoreFallbackFolder();
