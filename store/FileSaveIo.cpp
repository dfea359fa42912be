#include "store/SaveIo.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileSaveIo final : public SaveIo {
public:
    bool Create(const QString &path) override
    {
        // Created for the owner alone: the appointments are private until
        // the file has the permissions of the one it replaces.
        return openAs(path, O_CREAT | O_EXCL | O_NOFOLLOW);
    }

    bool Rewrite(const QString &path) override { return openAs(path, O_TRUNC | O_NOFOLLOW); }

    bool TakeAttributes(const QString &like) override
    {
        const int fd = file_.handle();
        if (like.isEmpty()) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            return setMode(fd, 0666 & ~mask);
        }
        struct stat st;
        if (::stat(QFile::encodeName(like).constData(), &st) != 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        // Owner and group only where the system lets this user give them
        // (root, or a group the user belongs to); the mode in any case, set
        // after them because a change of owner may clear set-id bits.
        if (::fchown(fd, st.st_uid, st.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        return setMode(fd, st.st_mode & 07777);
    }

    long long Write(const char *data, size_t size) override
    {
        errno = 0;
        const qint64 n = file_.write(data, static_cast<qint64>(size));
        diskFull_ = errno == ENOSPC || (n >= 0 && static_cast<size_t>(n) < size);
        if (n < 0)
            error_ = file_.errorString();
        return n;
    }

    bool Sync() override
    {
        if (!file_.flush()) {
            error_ = file_.errorString();
            return false;
        }
        const int rc = ::fsync(file_.handle());
        if (rc != 0) {
            diskFull_ = errno == ENOSPC;
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }

    bool Close() override
    {
        file_.close();
        if (file_.error() != QFileDevice::NoError) {
            error_ = file_.errorString();
            return false;
        }
        return true;
    }

    bool Rename(const QString &from, const QString &to) override
    {
        std::error_code ec;
        std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                                std::filesystem::path(to.toStdU16String()), ec);
        if (ec) {
            error_ = QString::fromStdString(ec.message());
            return false;
        }
        // Make the new directory entry itself durable.
        const QByteArray dir = QFile::encodeName(QFileInfo(to).absolutePath());
        const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
        return true;
    }

    void Remove(const QString &path) override
    {
        if (file_.isOpen())
            file_.close();
        QFile::remove(path);
    }

    QString ErrorText() const override { return error_; }
    bool DiskFull() const override { return diskFull_; }

private:
    bool openAs(const QString &path, int flags)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | flags, 0600);
        if (fd < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        if (!file_.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            error_ = file_.errorString();
            ::close(fd);
            return false;
        }
        return true;
    }

    bool setMode(int fd, mode_t mode)
    {
        if (::fchmod(fd, mode) != 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }

    QFile file_;
    QString error_;
    bool diskFull_ = false;
};

} // namespace

std::unique_ptr<SaveIo> MakeFileSaveIo()
{
    return std::make_unique<FileSaveIo>();
}
