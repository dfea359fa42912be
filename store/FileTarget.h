#pragma once
// What is really at the data file's path, looked at before reading or
// writing it: where a symbolic link leads, whether the thing there is a
// plain file, how many names it has, and whether it may be written.

#include "store/ByteBlock.h"

#include <QString>

struct FileTarget {
    QString path; // the file itself: a symbolic link's final target
    bool exists = false;
    bool regular = false;  // a plain file (not a folder, FIFO, device, socket)
    bool readOnly = false; // no write permission bit, or writing is refused
    unsigned links = 0;    // hard links to the file
    unsigned mode = 0;     // permission bits (07777)
    QString kind;          // "a folder", "a FIFO", ... when not a plain file
    QString problem;       // why the path cannot be followed (a link loop, a closed folder)
};

// Follows symbolic links from `path`, also a dangling one: its target is
// where a new file goes.
FileTarget ResolveFileTarget(const QString &path);

// A whole file's bytes with a NUL after them.
struct FileBytes {
    ByteBlock data;
    // Instead of `data`: bytes lent by whoever holds them in memory, which
    // outlive the read. A load that keeps them takes a copy.
    const char *lent = nullptr;
    size_t size = 0;
    QString error;       // empty on success: why the file could not be read
    bool unread = false; // the file may hold bytes that were not read

    const char *bytes() const { return data ? data.get() : lent; }
};

// Reads a plain file whole. Something else at `path` (a FIFO, a device, a
// folder) is refused without waiting for a writer or reading a device.
// `ownMapping`: a large file's bytes in a mapping of their own (see
// ByteBlock.h), for a read into fresh memory.
FileBytes ReadWholeFile(const QString &path, bool ownMapping = false);
