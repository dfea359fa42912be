#pragma once
// Whether /dev/full is the kernel's full device, which refuses every write
// with "No space left on device". A minimal system or a container may have
// nothing there, or a plain file by that name that simply takes the bytes;
// a test of the full-disk path cannot learn anything from either.

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

inline bool HaveFullDevice()
{
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC); // never creates one
    if (fd < 0)
        return false;
    struct stat st;
    const bool full = ::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && ::write(fd, "", 1) < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
}
