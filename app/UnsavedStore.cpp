#include "app/UnsavedStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Writes a new file (never an existing one, nor through a link), readable
// by its owner only, and makes sure it is on disk.
bool writeNew(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *error = f.errorString();
        return false;
    }
    bool ok = f.write(bytes) == bytes.size() && f.flush();
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(f.handle()) == 0;
#endif
    if (ok) {
        f.close();
        ok = f.error() == QFileDevice::NoError;
    }
    if (!ok) {
        *error = f.errorString();
        f.remove(); // half a store would only mislead
    }
    return ok;
}

bool keepIn(const QString &folder, const QString &baseName, const QByteArray &bytes, KeptStore &kept)
{
    QString error;
    for (int n = 1; n < 100; ++n) {
        const QString name = n == 1 ? baseName : baseName + QLatin1Char('-') + QString::number(n);
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isSymLink() || QFileInfo::exists(path))
            continue;
        if (writeNew(path, bytes, &error)) {
            kept.path = path;
            return true;
        }
        break;
    }
    if (error.isEmpty())
        error = QCoreApplication::translate("UnsavedStore", "too many such files already");
    kept.problems += QStringLiteral("%1: %2\n").arg(QDir::toNativeSeparators(folder), error);
    return false;
}

} // namespace

QString UnsavedStoreFallbackFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kalvix");
}

KeptStore KeepUnsavedStore(const QString &dataPath, const QByteArray &bytes, const QDateTime &at)
{
    KeptStore kept;
    const QFileInfo data(dataPath);
    const QString baseName = data.fileName() + QStringLiteral(".unsaved-")
        + at.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (keepIn(data.absolutePath(), baseName, bytes, kept))
        return kept;
    const QString fallback = UnsavedStoreFallbackFolder();
    if (!QDir().mkpath(fallback)) {
        kept.problems += QCoreApplication::translate("UnsavedStore", "%1: the folder could not be created\n")
                             .arg(QDir::toNativeSeparators(fallback));
        return kept;
    }
    keepIn(fallback, baseName, bytes, kept);
    return kept;
}
