#pragma once
// Turns the system's polite requests to end the program (SIGTERM at logout
// or shutdown, SIGHUP, SIGINT) into a signal on the event loop, so the
// program can end the normal way and save instead of just vanishing.
// Elsewhere than on POSIX systems it never fires.

#include <QObject>

class QSocketNotifier;

class TerminationRequests : public QObject {
    Q_OBJECT
public:
    explicit TerminationRequests(QObject *parent = nullptr);
    ~TerminationRequests() override;

signals:
    void requested();

private:
    QSocketNotifier *notifier_ = nullptr;
};
