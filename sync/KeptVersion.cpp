#include "sync/KeptVersion.h"

#include "sync/VdirFolder.h"
#include "sync/VdirPass.h"

#include "store/DateTimeValue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace KeptVersion {

namespace {

// Made 0700; one made by an earlier version with the default mode is
// closed too: it holds nothing but this user's appointments.
bool makePrivateFolder(const QString &dir, QString &error)
{
    const QByteArray path = QFile::encodeName(dir);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        error = QCoreApplication::translate("KeptVersion", "could not create %1: %2")
                    .arg(QDir::toNativeSeparators(dir), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st = {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = QCoreApplication::translate("KeptVersion", "%1 is not a folder").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    if ((st.st_mode & 0077) != 0)
        ::chmod(path.constData(), st.st_mode & 0700);
    return true;
}

} // namespace

QString Write(const QString &dataPath, const QByteArray &uid, double now, const QByteArray &bytes, QString &error)
{
    const QString dir = ConflictFolder(dataPath);
    if (!makePrivateFolder(dir, error))
        return QString();
    QByteArray name = VdirFolder::NameFor(uid);
    name.chop(4);
    name += '-' + DateTimeValue::ToDateTime(now).toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1() + ".ics";
    if (VdirFolder::Write(dir, name, bytes, error).size < 0)
        return QString();
    return QDir(dir).filePath(QFile::decodeName(name));
}

} // namespace KeptVersion
