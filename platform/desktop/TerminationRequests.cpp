#include "platform/desktop/TerminationRequests.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int pipeFds[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[0], &byte, 1);
}
} // namespace

TerminationRequests::TerminationRequests(QObject *parent) : QObject(parent)
{
    if (pipeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeFds) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(pipeFds[1], &byte, 1);
        emit requested();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &sa, nullptr);
}

TerminationRequests::~TerminationRequests()
{
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &sa, nullptr);
}
#else
TerminationRequests::TerminationRequests(QObject *parent) : QObject(parent) {}
TerminationRequests::~TerminationRequests() = default;
#endif
