#include "platform/desktop/TerminationRequests.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int pipeFds[2] = {-1, -1};
volatile sig_atomic_t pending = 0;
constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

void onSignal(int)
{
    // Only async-signal-safe work here: the event loop does the rest. The
    // socket does not block, so a burst of signals cannot stall the handler.
    pending = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[0], &byte, 1);
}
} // namespace

void TerminationRequests::CatchEarly()
{
    if (pipeFds[0] >= 0)
        return;
    // A peer that goes away (the session manager, say: libICE writes with
    // plain write()) must cost that write an error, not end the program.
    ::signal(SIGPIPE, SIG_IGN);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeFds) != 0)
        return;
    ::fcntl(pipeFds[0], F_SETFL, ::fcntl(pipeFds[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(pipeFds[1], F_SETFL, ::fcntl(pipeFds[1], F_GETFL) | O_NONBLOCK);
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : Signals)
        ::sigaction(sig, &sa, nullptr);
}

bool TerminationRequests::Pending()
{
    return pending != 0;
}

TerminationRequests::TerminationRequests(QObject *parent) : QObject(parent)
{
    CatchEarly();
    if (pipeFds[1] < 0)
        return;
    notifier_ = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[64];
        while (::read(pipeFds[1], bytes, sizeof bytes) > 0) {
        }
        emit requested();
    });
    // A signal that came before this object existed is announced as soon as
    // the event loop runs: its byte is waiting on the socket.
}

TerminationRequests::~TerminationRequests()
{
    // The program is ending its own way by now: a further request would only
    // interrupt that, so it is still just noted.
}
#else
void TerminationRequests::CatchEarly() {}
bool TerminationRequests::Pending()
{
    return false;
}
TerminationRequests::TerminationRequests(QObject *parent) : QObject(parent) {}
TerminationRequests::~TerminationRequests() = default;
#endif
