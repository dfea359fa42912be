#include "sync/ConflictResolver.h"

#include "sync/KeptVersion.h"

#include "store/ical/Item.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cmath>

namespace {

struct Version {
    QByteArray bytes;
    Ical::ItemRead read;
};

bool readVersion(const QString &path, Version &v, QString &error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("ConflictResolver", "%1 cannot be read: %2")
                    .arg(QDir::toNativeSeparators(path), f.errorString());
        return false;
    }
    v.bytes = f.readAll();
    // One day is enough to learn when it was changed: a repeating event is
    // not expanded over the century.
    const QDate day(2000, 1, 1);
    v.read = Ical::ReadItem(v.bytes, day, day);
    if (!v.read.ok) {
        error = QCoreApplication::translate("ConflictResolver", "%1 is not an iCalendar file (%2)")
                    .arg(QDir::toNativeSeparators(path), v.read.error);
        return false;
    }
    return true;
}

long long seconds(double localValue)
{
    return std::llround(localValue * 86400);
}

} // namespace

Resolution ResolveConflict(const QString &dataPath, const QString &first, const QString &second, double now)
{
    Resolution r;
    Version a, b;
    if (!readVersion(first, a, r.error) || !readVersion(second, b, r.error))
        return r;
    if (a.bytes == b.bytes) {
        r.ok = r.same = true;
        return r;
    }
    r.firstWins = seconds(a.read.changed) > seconds(b.read.changed);
    const Version &winner = r.firstWins ? a : b, &loser = r.firstWins ? b : a;
    r.winnerChanged = winner.read.changed;
    r.loserChanged = loser.read.changed;
    const QByteArray uid = loser.read.uid.isEmpty() ? winner.read.uid : loser.read.uid;
    // Kept before anything else is written: from here on it is safe.
    r.keptPath = KeptVersion::Write(dataPath, uid.isEmpty() ? QByteArray("event") : uid, now, loser.bytes, r.error);
    if (r.keptPath.isEmpty())
        return r;
    QSaveFile out(r.firstWins ? second : first);
    if (!out.open(QIODevice::WriteOnly) || out.write(winner.bytes) != winner.bytes.size() || !out.commit()) {
        r.error = QCoreApplication::translate("ConflictResolver", "could not write %1: %2")
                      .arg(QDir::toNativeSeparators(out.fileName()), out.errorString());
        return r;
    }
    r.ok = true;
    return r;
}
