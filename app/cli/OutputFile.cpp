#include "app/cli/OutputFile.h"

#include "store/FileTarget.h"
#include "store/SaveIo.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace OutputFile {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool WriteAndClose(int fd, const QByteArray &bytes, QString &error)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? systemError() : QCoreApplication::translate("OutputFile", "nothing could be written");
            ::close(fd);
            return false;
        }
        p += n;
        left -= n;
    }
    // A file system may report a failed write only when the file is closed.
    if (::close(fd) != 0 && errno != EINTR) {
        error = systemError();
        return false;
    }
    return true;
}

bool WriteWhole(const QString &path, const QByteArray &bytes, QString &error)
{
    const FileTarget target = ResolveFileTarget(path);
    if (!target.problem.isEmpty()) {
        error = target.problem;
        return false;
    }
    if (target.exists && !target.regular) {
        const int fd = ::open(QFile::encodeName(target.path).constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            error = systemError();
            return false;
        }
        return WriteAndClose(fd, bytes, error);
    }
    const QFileInfo info(target.path);
    const QString temp = info.absolutePath() + QStringLiteral("/.") + info.fileName()
        + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    const std::unique_ptr<SaveIo> io = MakeFileSaveIo();
    bool created = false;
    auto failed = [&] {
        error = io->ErrorText();
        if (created)
            io->Remove(temp);
        return false;
    };
    if (!io->Create(temp))
        return failed();
    created = true;
    if (!io->TakeAttributes(target.exists ? target.path : QString()))
        return failed();
    for (qsizetype done = 0; done < bytes.size();) {
        const long long n = io->Write(bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n <= 0)
            return failed();
        done += static_cast<qsizetype>(n);
    }
    if (!io->Sync() || !io->Close() || !io->Rename(temp, target.path))
        return failed();
    return true;
}

} // namespace OutputFile
