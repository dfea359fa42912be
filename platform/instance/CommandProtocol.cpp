#include "platform/instance/CommandProtocol.h"

#include <QList>

namespace CommandProtocol {

namespace {

const char *statusWord(Answer::Status s)
{
    switch (s) {
    case Answer::Ok:
        return "ok";
    case Answer::Failed:
        return "failed";
    case Answer::Retry:
        return "retry";
    }
    return "failed";
}

bool parseLength(const QByteArray &text, qint64 &length)
{
    if (text.isEmpty() || text.size() > 12)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    length = text.toLongLong();
    return length <= MaxPayload;
}

// "word rest\n" split in two; false for anything else.
bool splitLine(const QByteArray &line, QByteArray &first, QByteArray &second)
{
    if (!line.endsWith('\n'))
        return false;
    const QList<QByteArray> parts = line.chopped(1).split(' ');
    if (parts.size() != 2)
        return false;
    first = parts[0];
    second = parts[1];
    return true;
}

} // namespace

QByteArray RequestLine(const QByteArray &verb, qint64 length)
{
    return QByteArray(RequestWord) + ' ' + verb + ' ' + QByteArray::number(length) + '\n';
}

QByteArray AnswerLine(Answer::Status status, qint64 length)
{
    return QByteArray(statusWord(status)) + ' ' + QByteArray::number(length) + '\n';
}

bool ParseRequestLine(const QByteArray &line, QByteArray &verb, qint64 &length)
{
    if (!line.startsWith(QByteArray(RequestWord) + ' '))
        return false;
    QByteArray lengthText;
    if (!splitLine(line.mid(int(sizeof RequestWord)), verb, lengthText))
        return false;
    if (verb.isEmpty() || verb.size() > MaxVerb)
        return false;
    for (char c : verb)
        if (c < 'a' || c > 'z')
            return false;
    return parseLength(lengthText, length);
}

bool ParseAnswerLine(const QByteArray &line, Answer::Status &status, qint64 &length)
{
    QByteArray word, lengthText;
    if (!splitLine(line, word, lengthText) || !parseLength(lengthText, length))
        return false;
    for (Answer::Status s : {Answer::Ok, Answer::Failed, Answer::Retry})
        if (word == statusWord(s)) {
            status = s;
            return true;
        }
    return false;
}

} // namespace CommandProtocol
