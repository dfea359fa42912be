#include "platform/instance/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// A socket address holds the path and a terminating zero.
constexpr int SocketPathRoom = int(sizeof(sockaddr_un{}.sun_path)) - 1;

bool fits(const QString &folder, int longestName)
{
    return QFile::encodeName(folder).size() + 1 + longestName <= SocketPathRoom;
}
#endif

} // namespace

bool PrivateFolder::IsPrivate(const QString &path, QString *why)
{
#ifdef Q_OS_UNIX
    struct stat st = {};
    QString reason;
    // lstat: a link to a folder we own could be swapped for another at any time.
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    else if (!S_ISDIR(st.st_mode))
        reason = QStringLiteral("it is not a folder");
    else if (st.st_uid != ::geteuid())
        reason = QStringLiteral("it belongs to another user");
    else if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        reason = QStringLiteral("other users can enter it");
    if (why)
        *why = reason;
    return reason.isEmpty();
#else
    if (why)
        why->clear();
    return QFileInfo(path).isDir();
#endif
}

PrivateFolder PrivateFolder::ForSockets(int longestName)
{
    PrivateFolder result;
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && fits(runtime, longestName)
        && IsPrivate(runtime, nullptr)) {
        result.path = QDir::cleanPath(runtime);
        return result;
    }

    // The name is predictable, so whoever comes first gets it: create it
    // private, and whatever exists already must prove to be ours and private.
    const QString own = QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/kalvix-")
        + QString::number(static_cast<qulonglong>(::geteuid()));
    if (!fits(own, longestName)) {
        result.problem = QStringLiteral("The folder \"%1\" is too long a path for a local socket.").arg(own);
        return result;
    }
    if (::mkdir(QFile::encodeName(own).constData(), S_IRWXU) != 0 && errno != EEXIST) {
        result.problem = QStringLiteral("The folder \"%1\" could not be created: %2")
                             .arg(own, QString::fromLocal8Bit(std::strerror(errno)));
        return result;
    }
    QString why;
    if (!IsPrivate(own, &why)) {
        result.problem = QStringLiteral("The folder \"%1\" is not used for the program's socket: %2.").arg(own, why);
        return result;
    }
    result.path = own;
#else
    Q_UNUSED(longestName);
    result.path = QDir::tempPath();
#endif
    return result;
}
