#include "store/SaveIo.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

class FileSaveIo final : public SaveIo {
public:
    bool Create(const QString &path) override
    {
        file_.setFileName(path);
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            error_ = file_.errorString();
            return false;
        }
        return true;
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
#ifdef _WIN32
        const int rc = _commit(file_.handle());
#else
        const int rc = ::fsync(file_.handle());
#endif
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
#ifndef _WIN32
        // Make the new directory entry itself durable.
        const QByteArray dir = QFile::encodeName(QFileInfo(to).absolutePath());
        const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
#endif
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
    QFile file_;
    QString error_;
    bool diskFull_ = false;
};

} // namespace

std::unique_ptr<SaveIo> MakeFileSaveIo()
{
    return std::make_unique<FileSaveIo>();
}
