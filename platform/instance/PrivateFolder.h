#pragma once
// Where this user's local sockets live: a folder only the user can enter,
// so nobody else can create a socket of the same name first, replace it, or
// reach it. The session's runtime folder ($XDG_RUNTIME_DIR) when it is
// really private; otherwise a folder of our own in the temp folder, created
// 0700 and checked after the fact, since anyone may have made it first
// (then the next of a few names is taken, see ForSockets).

#include <QString>

struct PrivateFolder {
    QString path;    // empty when no private folder could be had
    QString problem; // why, for the user; empty when `path` is set
    // Set when the usual folder was somebody else's and another one of our
    // own is used: what was wrong, for the user.
    QString notice;

    // Finds or creates the folder. `longestName` is the longest file name
    // that has to fit inside a Unix socket address along with the path.
    static PrivateFolder ForSockets(int longestName);

    // True when `path` is a real directory (not a link) owned by this user
    // that no other user can enter or write; otherwise false and `why` says
    // what is wrong with it.
    static bool IsPrivate(const QString &path, QString *why);
};
