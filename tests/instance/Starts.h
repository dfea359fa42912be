#pragma once
// Program starts for the process tests: each start is a child process
// whose standard output is collected line by line; a start still running
// when its test ends is killed.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <memory>

class Start {
public:
    Start(const QString &program, const QStringList &arguments,
          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    ~Start();
    Start(const Start &) = delete;
    Start &operator=(const Start &) = delete;

    QProcess &process() { return *process_; }
    qint64 pid() const { return process_->processId(); }
    bool running() const { return process_->state() != QProcess::NotRunning; }
    // How often `line` has been printed so far.
    int count(const QByteArray &line);
    // Waits until the start ends on its own; false if it had to be killed.
    bool finish();
    void signal(int signalNumber);

private:
    std::unique_ptr<QProcess> process_;
    QByteArray output_;
};

// The process id recorded in a lock file, or 0 when there is none.
qint64 LockHolder(const QString &lockPath);
