#pragma once
// The "conflicts" folder beside the data file (ConflictFolder): where the
// losing version of an appointment changed in two places is kept, by a
// pass of the mirror and by the resolver vdirsyncer calls alike. The
// folder is the user's alone (0700), and so is each file in it (0600):
// appointments are private.

#include <QByteArray>
#include <QString>

namespace KeptVersion {

// Writes `bytes` as "<uid>-<yyyyMMdd-HHmmss>.ics" (`now`, a local
// date-time value); the path written, or empty with `error` set.
QString Write(const QString &dataPath, const QByteArray &uid, double now, const QByteArray &bytes, QString &error);

} // namespace KeptVersion
