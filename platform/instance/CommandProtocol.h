#pragma once
// Commands for the running copy, next to "show" on the same socket: one
// request line "run <verb> <length>" followed by that many bytes, one
// answer line "<status> <length>" followed by that many bytes. The status
// is "ok", "failed" (the payload says why, in UTF-8) or "retry" (the copy
// cannot take commands at the moment, for instance while it is ending).

#include <QByteArray>

namespace CommandProtocol {

inline constexpr char RequestWord[] = "run";
// Largest request or answer payload accepted, bytes.
inline constexpr qint64 MaxPayload = qint64(1) << 30;
// A verb is a short lower-case word.
inline constexpr int MaxVerb = 16;

struct Answer {
    enum Status { Ok, Failed, Retry };
    Status status = Failed;
    QByteArray payload;
};

QByteArray RequestLine(const QByteArray &verb, qint64 length);
QByteArray AnswerLine(Answer::Status status, qint64 length);

// Parse one line (with its "\n"); false when it is not well-formed.
bool ParseRequestLine(const QByteArray &line, QByteArray &verb, qint64 &length);
bool ParseAnswerLine(const QByteArray &line, Answer::Status &status, qint64 &length);

} // namespace CommandProtocol
