#include "platform/instance/SocketFd.h"

#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

void SocketFd::reset(int fd)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

SocketFd SocketFd::Stream()
{
    return SocketFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

bool SocketAddress(const QString &path, sockaddr_un &addr)
{
    addr = {};
    addr.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    // Room for the terminating zero as well.
    if (bytes.isEmpty() || size_t(bytes.size()) >= sizeof addr.sun_path)
        return false;
    std::memcpy(addr.sun_path, bytes.constData(), size_t(bytes.size()));
    return true;
}

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
