#include "store/FileTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText(int e)
{
    return QString::fromLocal8Bit(std::strerror(e));
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileTarget", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileTarget", "a FIFO (named pipe)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("FileTarget", "a device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileTarget", "a socket");
    return QCoreApplication::translate("FileTarget", "not a plain file");
}

// The symbolic link's target, relative to the link's folder, or empty.
QString readLink(const QByteArray &link)
{
    QByteArray buffer(4096, Qt::Uninitialized);
    const ssize_t n = ::readlink(link.constData(), buffer.data(), static_cast<size_t>(buffer.size()));
    if (n <= 0 || n >= buffer.size())
        return QString();
    return QFile::decodeName(buffer.left(n));
}

} // namespace

FileTarget ResolveFileTarget(const QString &path)
{
    FileTarget t;
    t.path = path;
    // As many links as the system itself follows before giving up.
    for (int hops = 0; hops <= 40; ++hops) {
        const QByteArray name = QFile::encodeName(t.path);
        struct stat st;
        if (::lstat(name.constData(), &st) != 0) {
            // Only "no such file" means nothing is there. A folder on the
            // way that this user may not enter hides whatever is in it: a
            // file never read must not pass for one moved away.
            const int error = errno;
            if (error != ENOENT && error != ENOTDIR)
                t.problem = QCoreApplication::translate("FileTarget", "\"%1\" cannot be looked at (%2)")
                                .arg(t.path, errnoText(error));
            return t; // nothing there: a new file goes right here
        }
        if (!S_ISLNK(st.st_mode)) {
            t.exists = true;
            t.regular = S_ISREG(st.st_mode);
            t.links = static_cast<unsigned>(st.st_nlink);
            t.mode = static_cast<unsigned>(st.st_mode & 07777);
            if (!t.regular)
                t.kind = kindOf(st.st_mode);
            // The permission bits count even for a user whom the system
            // would let write anyway: a file made read-only means "keep".
            t.readOnly = (st.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0;
            return t;
        }
        const QString target = readLink(name);
        if (target.isEmpty()) {
            t.problem =
                QCoreApplication::translate("FileTarget", "the symbolic link \"%1\" cannot be read").arg(t.path);
            return t;
        }
        t.path = QDir::cleanPath(
            QFileInfo(target).isAbsolute() ? target : QFileInfo(t.path).absolutePath() + QLatin1Char('/') + target);
    }
    t.problem = QCoreApplication::translate("FileTarget", "too many symbolic links lead from \"%1\"").arg(path);
    return t;
}

FileBytes ReadWholeFile(const QString &path, bool ownMapping)
{
    FileBytes out;
    // Non-blocking, so that opening a FIFO does not wait for a writer; the
    // type is checked on what was opened, before anything is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.error = errnoText(errno);
        out.unread = errno != ENOENT;
        return out;
    }
    struct stat st;
    const int statRc = ::fstat(fd, &st);
    if (statRc != 0 || !S_ISREG(st.st_mode)) {
        out.error = statRc != 0 ? errnoText(errno)
                                : QCoreApplication::translate("FileTarget", "it is %1").arg(kindOf(st.st_mode));
        out.unread = true;
        ::close(fd);
        return out;
    }
    const size_t expected = static_cast<size_t>(st.st_size);
    out.data = MakeByteBlock(expected + 1, ownMapping);
    size_t size = 0;
    while (size < expected) {
        const ssize_t n = ::read(fd, out.data.get() + size, expected - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            out.error = errnoText(errno);
            out.unread = true;
            out.data.reset();
            ::close(fd);
            return out;
        }
        if (n == 0)
            break; // shorter than it said: whatever came is checked by the caller
        size += static_cast<size_t>(n);
    }
    ::close(fd);
    out.data[size] = '\0';
    out.size = size;
    return out;
}
