#pragma once
// The program's member card in an X session (XSMP, through libSM): the
// session manager asks it to save at a checkpoint and before a logout, may
// let it ask the user whether to quit, and finally tells it to end.
//
// The program registers itself instead of leaving this to Qt, because the
// toolkit's own client asks the close question through every window's close
// event (twice at one logout), waits for a silent or stale manager at start,
// and lets libICE end the process when the manager dies. Here:
// - registering runs on a thread of its own; the start never waits for it,
//   and a manager that never answers is simply never joined;
// - the question is asked at most once per logout, and only when the
//   manager allows interaction; a checkpoint only saves;
// - a manager that dies or breaks the protocol is dropped; the program
//   keeps running.
//
// Call TakeAddress() before the QApplication exists, so Qt does not
// register on its own, and PutBackAddress() after it, for child processes.

#include <QByteArray>
#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

class SessionClient : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> save;        // save now; false when it failed
        std::function<bool()> confirmQuit; // ask the user; true: the logout may go on
        std::function<void()> end;         // the session ends: end the program now
    };

    explicit SessionClient(Hooks hooks, QObject *parent = nullptr);
    ~SessionClient() override;

    static QByteArray TakeAddress();
    static void PutBackAddress(const QByteArray &address);

    // Starts registering with the manager at `address` (SESSION_MANAGER's
    // form) in the background. Nothing happens for an empty address.
    void connectTo(const QByteArray &address);
    bool isConnected() const { return conn_ != nullptr; }

signals:
    void connected();
    void dropped(); // the manager went away or broke the protocol

private:
    struct Attempt;
    void attach(void *conn);
    void drop();
    void readMessages();
    void onSaveYourself(bool shutdown, int interactStyle);
    void onInteract();
    void onDie();
    void onShutdownCancelled();
    void finishSave();

    friend struct SessionCallbacks;

    Hooks hooks_;
    std::shared_ptr<Attempt> attempt_;
    void *conn_ = nullptr; // SmcConn
    std::unique_ptr<QSocketNotifier> notifier_;
    bool saving_ = false;     // a SaveYourself waits for our SaveYourselfDone
    bool confirmed_ = false;  // the user said OK during this logout
    unsigned saveSerial_ = 0; // which SaveYourself an interaction belongs to
};
