#pragma once
// A command's side of the socket: hands one request to the copy listening
// under `serverName` and waits for its answer. Blocking; meant for a
// command-line run without an event loop.

#include "platform/instance/CommandProtocol.h"

#include <QDeadlineTimer>
#include <QString>

struct CommandRequestResult {
    enum Kind {
        Answered, // `answer` holds what the running copy said
        NoServer, // nobody listens under that name
        NoAnswer, // connected, but the request or its answer did not get through
    };
    Kind kind = NoServer;
    bool sent = false; // the whole request reached the running copy
    CommandProtocol::Answer answer;
    QString detail; // the socket's error text, for the message
};

// Connects within `connectDeadline`; once connected, waits for the answer
// until `answerDeadline`.
CommandRequestResult SendCommand(const QString &serverName, const QByteArray &verb, const QByteArray &payload,
                                 QDeadlineTimer connectDeadline, QDeadlineTimer answerDeadline);
