#include "platform/instance/PrivateFolder.h"

#include <QCoreApplication>
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
// How many names of the temp folder are tried ("kalvix-<uid>", then
// "kalvix-<uid>.1" and on).
constexpr int FolderCandidates = 10;

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
        reason = QCoreApplication::translate("Instance", "it is not a folder");
    else if (st.st_uid != ::geteuid())
        reason = QCoreApplication::translate("Instance", "it belongs to another user");
    else if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        reason = QCoreApplication::translate("Instance", "other users can enter it");
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

    // The names are predictable, so whoever comes first gets them: a folder
    // somebody else made (or left open) under our name is passed by for the
    // next name, which every start and every command of this user finds the
    // same way: the first of the names that is already ours and private,
    // else the first that can be created. Taking the first that can be
    // created at once would split them once the stranger's folder is gone.
    const QString base = QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/kalvix-")
        + QString::number(static_cast<qulonglong>(::geteuid()));
    const auto candidate = [&base](int i) { return i == 0 ? base : base + QLatin1Char('.') + QString::number(i); };
    if (!fits(candidate(FolderCandidates - 1), longestName)) {
        result.problem = QCoreApplication::translate("Instance",
                                                     "The folder \"%1\" is too long a path for a local socket.")
                             .arg(base);
        return result;
    }
    QString why;
    const QFileInfo usual(base);
    const bool strangers = (usual.exists() || usual.isSymLink()) && !IsPrivate(base, &why);
    for (int i = 0; i < FolderCandidates && result.path.isEmpty(); ++i) {
        if (IsPrivate(candidate(i), nullptr))
            result.path = candidate(i);
    }
    for (int i = 0; i < FolderCandidates && result.path.isEmpty(); ++i) {
        if (::mkdir(QFile::encodeName(candidate(i)).constData(), S_IRWXU) == 0 && IsPrivate(candidate(i), nullptr))
            result.path = candidate(i);
    }
    if (result.path.isEmpty()) {
        result.problem =
            QCoreApplication::translate("Instance",
                                        "No folder for the program's socket could be had: \"%1\" to \"%2\" "
                                        "are taken by others or cannot be created%3.")
                .arg(base, candidate(FolderCandidates - 1),
                     strangers ? QStringLiteral(" (\"%1\": %2)").arg(base, why) : QString());
    } else if (strangers) {
        result.notice =
            QCoreApplication::translate("Instance",
                                        "The folder \"%1\" is not used for the program's socket: %2. The program "
                                        "uses \"%3\" instead; if you did not make \"%1\", somebody else did.")
                .arg(base, why, result.path);
    }
#else
    Q_UNUSED(longestName);
    result.path = QDir::tempPath();
#endif
    return result;
}
