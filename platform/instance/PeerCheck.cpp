#include "platform/instance/PeerCheck.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

bool PeerIsThisUser(qintptr descriptor)
{
#if defined(Q_OS_LINUX)
    struct ucred cred = {};
    socklen_t size = sizeof cred;
    if (descriptor < 0 || ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0
        || size != sizeof cred)
        return false;
    return cred.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    if (descriptor < 0 || ::getpeereid(int(descriptor), &uid, &gid) != 0)
        return false;
    return uid == ::geteuid();
#else
    // Elsewhere the socket's own access rights are all there is.
    return descriptor >= 0;
#endif
}
