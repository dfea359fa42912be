#pragma once
// What a second start and the running copy say to each other: one line
// each way. Anything else on the connection is refused.
//
// The request may carry the activation token the desktop gave the second
// start ("show token TOKEN"): on Wayland only a window that presents one may take
// the focus, and the second start, which has no window, hands it on.

#include <QByteArray>

namespace ShowProtocol {

inline constexpr char Request[] = "show\n";
inline constexpr char Answer[] = "shown\n";
// Longest line either side accepts; more unanswered bytes end the connection.
inline constexpr int MaxLine = 150;
inline constexpr int MaxToken = 128;

// The request line, with `token` when it is one that can be sent (printable
// ASCII without spaces, at most MaxToken bytes); other tokens are left out.
inline QByteArray RequestLine(const QByteArray &token)
{
    bool sendable = !token.isEmpty() && token.size() <= MaxToken;
    for (char c : token)
        sendable = sendable && c > ' ' && c < 0x7f;
    return sendable ? "show token " + token + '\n' : QByteArray(Request);
}

// True for a request line; `token` is what it carried, empty for none.
inline bool ParseRequest(const QByteArray &line, QByteArray &token)
{
    token.clear();
    if (line == Request)
        return true;
    if (!line.startsWith("show token ") || !line.endsWith('\n'))
        return false;
    const QByteArray carried = line.mid(11, line.size() - 12);
    if (RequestLine(carried) != line)
        return false;
    token = carried;
    return true;
}

} // namespace ShowProtocol
