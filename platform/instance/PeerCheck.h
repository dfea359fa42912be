#pragma once
// Whether the process at the other end of a connected local socket runs as
// this user. The socket's folder is private already; this also holds where
// it is not (another user with a way in, root aside, is turned away).

#include <QtGlobal>

// `descriptor` is the connected socket's file descriptor. False when the
// peer is another user or cannot be identified.
bool PeerIsThisUser(qintptr descriptor);
