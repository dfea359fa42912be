#pragma once
// What the file system tells about a file without reading it: enough to
// notice that someone replaced, rewrote, truncated or removed it since we
// last looked. One stat call, so it can be taken every second for free.

#include <QByteArray>
#include <QString>

#include <cstdint>

struct FileStamp {
    bool exists = false;
    // Not looked at: a folder on the way this user may not enter hides the
    // file, which is not the same as no file there.
    bool hidden = false;
    int64_t size = 0;
    int64_t modifiedNs = 0; // last change of the contents
    int64_t changedNs = 0;  // last change of contents or attributes
    uint64_t device = 0;
    uint64_t inode = 0; // a file renamed over this one has another

    static FileStamp Of(const QByteArray &nativePath);
    static FileStamp Of(const QString &path);

    bool operator==(const FileStamp &o) const
    {
        return exists == o.exists && size == o.size && modifiedNs == o.modifiedNs && changedNs == o.changedNs
            && device == o.device && inode == o.inode;
    }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};
