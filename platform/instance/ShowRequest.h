#pragma once
// The second start's side: asks the copy listening under `serverName` to
// show its main window and waits for its answer. Blocking; meant for the
// moment before a start has any window or event loop of its own.

#include <QDeadlineTimer>
#include <QString>

struct ShowRequestResult {
    enum Kind {
        Shown,    // the running copy confirmed the request
        NoServer, // nobody listens under that name (yet, or any more)
        NoAnswer, // someone listens but did not confirm in time, or refused
    };
    Kind kind = NoServer;
    QString detail; // the socket's error text, for diagnostics
};

// Makes one attempt within the deadline; never waits beyond it.
// `activationToken`: the desktop's token for this start (see ShowProtocol.h).
ShowRequestResult AskToShow(const QString &serverName, QDeadlineTimer deadline,
                            const QByteArray &activationToken = QByteArray());
