#include "platform/datafolder/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace DataFolder {

namespace {

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString usersFolder()
{
    // GenericDataLocation is $XDG_DATA_HOME, or ~/.local/share when unset.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/kalvix");
    if (!QFileInfo::exists(dir) && QDir().mkpath(dir))
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return withSlash(dir);
}

bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString ExecutableFolder()
{
#ifdef Q_OS_LINUX
    // Where Qt itself looks first, resolved as it resolves it.
    const QFileInfo link(QStringLiteral("/proc/self/exe"));
    if (link.isSymLink()) {
        const QString exe = link.canonicalFilePath();
        if (!exe.isEmpty())
            return QFileInfo(exe).path();
    }
#endif
    return QString();
}

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
    return IsWritable(programDir) ? withSlash(programDir) : usersFolder();
}

Choice Choose(const QString &programDir, const QString &fileName,
              const std::function<bool(const QString &path)> &holdsNothing)
{
    Choice choice;
    choice.folder = For(programDir);
    if (choice.folder == withSlash(programDir))
        return choice;
    const QString found = withSlash(programDir) + fileName;
    const QString own = choice.folder + fileName;
    if (!QFileInfo::exists(found) || holdsNothing(found))
        return choice;
    // The lock every start and command takes for the file: while another
    // holds it, the copy there is in use and stays as it is.
    QLockFile lock(own + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    const bool replace = present(own);
    if (replace && !(lock.tryLock(0) && holdsNothing(own)))
        return choice;
    // QFile::copy writes a temporary file and renames it without replacing:
    // a copy made by another start at the same moment, or a file a command
    // has just written, is never overwritten. The copy takes the source's
    // mode, which may well be read-only for a file installed with the program.
    QFile source(found);
    if (replace && !QFile::remove(own)) // under the lock: nobody writes it meanwhile
        return choice;
    if (source.copy(own)) {
        QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner);
        choice.notice =
            QCoreApplication::translate("DataFolder",
                                        "The appointments in \"%1\" were copied to \"%2\"%4, because the folder "
                                        "\"%3\" cannot be written. From now on they are read and saved there; "
                                        "\"%1\" is left as it is.")
                .arg(native(found), native(own), native(programDir),
                     replace ? QCoreApplication::translate("DataFolder", " (which held no appointment)") : QString());
    } else if (!present(own)) {
        choice.folder = withSlash(programDir);
        choice.notice =
            QCoreApplication::translate("DataFolder",
                                        "The appointments in \"%1\" could not be copied to \"%2\" (%3), where they "
                                        "would be saved, because the folder \"%4\" cannot be written. They are "
                                        "used where they are; changes cannot be saved.")
                .arg(native(found), native(own), source.errorString(), native(programDir));
    }
    return choice;
}

} // namespace DataFolder
