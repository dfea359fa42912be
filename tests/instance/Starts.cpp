#include "Starts.h"

#include <QLockFile>

#include <signal.h>

namespace {
// Bounds a wait for a child that misbehaves; a healthy one ends far sooner.
constexpr int HangLimitMs = 60000;
} // namespace

Start::Start(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
    : process_(std::make_unique<QProcess>())
{
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(program, arguments);
    process_->waitForStarted(HangLimitMs);
}

Start::~Start()
{
    if (running()) {
        ::kill(static_cast<pid_t>(pid()), SIGCONT);
        process_->kill();
        process_->waitForFinished(HangLimitMs);
    }
}

int Start::count(const QByteArray &line)
{
    output_ += process_->readAllStandardOutput();
    return int(output_.split('\n').count(line));
}

bool Start::finish()
{
    if (running() && !process_->waitForFinished(HangLimitMs)) {
        process_->kill();
        process_->waitForFinished(HangLimitMs);
        return false;
    }
    output_ += process_->readAllStandardOutput();
    return true;
}

void Start::signal(int signalNumber)
{
    ::kill(static_cast<pid_t>(pid()), signalNumber);
}

qint64 LockHolder(const QString &lockPath)
{
    qint64 pid = 0;
    QString host, app;
    QLockFile probe(lockPath);
    return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
}
