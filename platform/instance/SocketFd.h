#pragma once
// An owned file descriptor (a Unix-domain socket here), closed when its
// owner goes away, and the socket address of a path.

#include <QString>

#include <utility>

struct sockaddr_un;

class SocketFd {
public:
    SocketFd() = default;
    explicit SocketFd(int fd) : fd_(fd) {}
    SocketFd(SocketFd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    SocketFd &operator=(SocketFd &&other) noexcept
    {
        reset(std::exchange(other.fd_, -1));
        return *this;
    }
    SocketFd(const SocketFd &) = delete;
    SocketFd &operator=(const SocketFd &) = delete;
    ~SocketFd() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);

    // A new stream socket, non-blocking and closed on exec.
    static SocketFd Stream();

private:
    int fd_ = -1;
};

// Fills `addr` with `path`; false when the path does not fit an address.
bool SocketAddress(const QString &path, sockaddr_un &addr);

// The system's text for `error` (an errno value).
QString SystemError(int error);
