#pragma once
// Takes read permission away from this process the way a user meets it.
//
// Run as an ordinary user, a file of one's own loses its read bits. Run as
// root, which reads everything, the file stays root's (mode 600) and the
// process acts as a second user ("nobody") until the guard ends: effective
// ids only, so the saved root id brings the test back. The folder used must
// then be open to that user (see OpenToSecondUser).

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace second_user {

constexpr uid_t Nobody = 65534;
// Whether the test runs as root (its real id: the guard changes only the
// effective one).
inline bool IsRoot()
{
    return ::getuid() == 0;
}

// A folder the second user may read and write in.
inline bool OpenToSecondUser(const QString &dir)
{
    return ::chmod(QFile::encodeName(dir).constData(), 0777) == 0;
}

class Guard {
public:
    Guard(const Guard &) = delete;
    Guard &operator=(const Guard &) = delete;

    // `unreadable` loses its read permission for the guard's lifetime.
    explicit Guard(const QString &unreadable = QString()) : path_(unreadable)
    {
        if (!path_.isEmpty())
            ok_ = ::chmod(QFile::encodeName(path_).constData(), IsRoot() ? 0600 : 0200) == 0;
        if (IsRoot() && ok_)
            ok_ = ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0;
        if (!ok_)
            end();
    }
    ~Guard() { end(); }

    bool ok() const { return ok_; }

    // Back to the test's own user; the file is left unreadable to the
    // second user (or, run as a plain user, readable again).
    void end()
    {
        if (ended_)
            return;
        ended_ = true;
        if (IsRoot()) {
            if (::seteuid(0) != 0 || ::setegid(0) != 0)
                ::abort(); // no way to go on as the wrong user
        } else if (!path_.isEmpty()) {
            ::chmod(QFile::encodeName(path_).constData(), 0600);
        }
    }

    // The file becomes readable to this process. As root the guard ends:
    // the second user may not even reach the folder (a folder above it can
    // be closed to other users, as a chroot's root made by mktemp is).
    void grantRead()
    {
        if (IsRoot())
            end();
        else
            ::chmod(QFile::encodeName(path_).constData(), 0600);
    }

private:
    QString path_;
    bool ok_ = true;
    bool ended_ = false;
};

// Whether the second user can open `dir` (every folder above it must let
// other users through).
inline bool Reaches(const QString &dir)
{
    Guard as;
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        ::close(fd);
    return as.ok() && fd >= 0;
}

} // namespace second_user
