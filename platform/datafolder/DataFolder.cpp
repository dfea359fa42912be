#include "platform/datafolder/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace DataFolder {

bool IsWritable(const QString &dir)
{
#ifdef Q_OS_UNIX
    // access() also knows about read-only mounts, which permission bits do not.
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
#else
    return QFileInfo(dir).isWritable();
#endif
}

QString For(const QString &programDir)
{
    QString dir = programDir;
    if (!IsWritable(dir)) {
        // GenericDataLocation is $XDG_DATA_HOME, or ~/.local/share when unset.
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kalvix");
        if (!QFileInfo::exists(dir) && QDir().mkpath(dir))
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace DataFolder
