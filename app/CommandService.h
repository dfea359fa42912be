#pragma once
// Carries out, in the running program, the commands that "kalvix add",
// "kalvix list" and the like send over the socket: they work on the very
// store the window shows, the window shows their change at once and the
// file is written at once.

#include "platform/instance/CommandProtocol.h"

class LiveMirror;
class SingleInstance;
class TMainForm;

// Serves the commands that reach `instance` from construction to
// destruction; afterwards they are told to retry (and then find the lock
// free once the program has ended).
class CommandService {
public:
    CommandService(TMainForm &form, SingleInstance &instance);
    ~CommandService();
    CommandService(const CommandService &) = delete;
    CommandService &operator=(const CommandService &) = delete;

    CommandProtocol::Answer Serve(const QByteArray &verb, const QByteArray &payload);
    // Who carries out "kalvix sync"; without one the command is refused.
    void setMirror(LiveMirror *mirror) { mirror_ = mirror; }

private:
    CommandProtocol::Answer add(const QByteArray &payload);
    CommandProtocol::Answer sync(const QByteArray &payload);

    TMainForm &form_;
    SingleInstance &instance_;
    LiveMirror *mirror_ = nullptr;
};
