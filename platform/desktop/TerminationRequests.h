#pragma once
// Turns the system's polite requests to end the program (SIGTERM at logout
// or shutdown, SIGHUP, SIGINT) into a signal on the event loop, so the
// program can end the normal way and save instead of just vanishing.
// Elsewhere than on POSIX systems it never fires.
//
// CatchEarly() is meant for the first line of main(): from then on such a
// signal is only noted, whatever the program is doing (a blocking wait at
// start, a message box), and announced once an object of this class exists
// and the event loop runs. Pending() tells the start-up code, which runs
// before there is an event loop, whether to stop where it is.

#include <QObject>

class QSocketNotifier;

class TerminationRequests : public QObject {
    Q_OBJECT
public:
    explicit TerminationRequests(QObject *parent = nullptr);
    ~TerminationRequests() override;

    // Installs the handlers; safe to call more than once.
    static void CatchEarly();
    // True once a request arrived (and stays true).
    static bool Pending();

signals:
    void requested();

private:
    QSocketNotifier *notifier_ = nullptr;
};
