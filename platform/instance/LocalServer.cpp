#include "platform/instance/LocalServer.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int Backlog = 50;

// Removes the temporary folder (and what is left in it) when done.
struct TempFolder {
    QByteArray path;
    ~TempFolder()
    {
        if (path.isEmpty())
            return;
        ::unlink((path + "/s").constData());
        ::rmdir(path.constData());
    }
};
} // namespace

LocalServer::LocalServer(QObject *parent) : QObject(parent) {}

LocalServer::~LocalServer()
{
    close();
}

bool LocalServer::listen(const QString &path)
{
    close();
    const QByteArray target = QFile::encodeName(path);
    TempFolder temp{target + "-XXXXXX"};
    sockaddr_un addr;
    const auto fail = [&](int error) {
        error_ = QCoreApplication::translate("Instance", "cannot listen at \"%1\": %2").arg(path, SystemError(error));
        return false;
    };
    if (!SocketAddress(QFile::decodeName(temp.path + "/s"), addr))
        return fail(ENAMETOOLONG);
    // mkdtemp makes the folder 0700: nobody else can reach the socket before
    // its rights are set.
    if (!::mkdtemp(temp.path.data())) {
        const int error = errno;
        temp.path.clear();
        return fail(error);
    }
    const QByteArray bound = temp.path + "/s";
    SocketAddress(QFile::decodeName(bound), addr);
    SocketFd fd = SocketFd::Stream();
    if (!fd.valid() || ::bind(fd.get(), reinterpret_cast<const sockaddr *>(&addr), sizeof addr) != 0
        || ::chmod(bound.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd.get(), Backlog) != 0
        || ::rename(bound.constData(), target.constData()) != 0)
        return fail(errno);
    fd_ = std::move(fd);
    path_ = path;
    error_.clear();
    if (!notifier_) {
        notifier_ = std::make_unique<QSocketNotifier>(QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &LocalServer::acceptAll);
    }
    notifier_->setSocket(fd_.get());
    notifier_->setEnabled(true);
    return true;
}

void LocalServer::close()
{
    if (!fd_.valid())
        return;
    // Kept, not deleted: this may run inside the notifier's own signal.
    notifier_->setSocket(-1);
    fd_.reset();
    ::unlink(QFile::encodeName(path_).constData());
    path_.clear();
}

void LocalServer::acceptAll()
{
    for (;;) {
        const int client = ::accept4(fd_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: all taken; anything else: tried again next time
        }
        emit newConnection(new LocalConnection(SocketFd(client), this));
        if (!fd_.valid())
            return; // closed by whoever took the connection
    }
}
