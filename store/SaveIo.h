#pragma once
// The file operations a save is made of, behind one seam so tests can make
// any single step fail. The real implementation writes through the
// platform's file API and syncs to disk before the rename.

#include <QString>

#include <cstddef>
#include <memory>

class SaveIo {
public:
    virtual ~SaveIo() = default;

    // Creates `path` new for writing, readable by its owner only until
    // TakeAttributes. Fails when anything is there already, also a symbolic
    // link, which is never followed: whoever can write the folder must not
    // steer a save into another file.
    virtual bool Create(const QString &path) = 0;
    // Opens the existing plain file `path` for writing from its start, for a
    // rewrite in place; a symbolic link there is refused, not followed.
    virtual bool Rewrite(const QString &path) = 0;
    // Gives the open file the permissions of `like` and, where the system
    // allows it, its owner and group; with an empty `like`, the permissions
    // a new file gets by default.
    virtual bool TakeAttributes(const QString &like) = 0;
    // Writes up to `size` bytes; returns how many were written, -1 on error.
    virtual long long Write(const char *data, size_t size) = 0;
    virtual bool Sync() = 0;
    virtual bool Close() = 0;
    // Replaces `to` by `from` in one step.
    virtual bool Rename(const QString &from, const QString &to) = 0;
    virtual void Remove(const QString &path) = 0;
    // Text of the last failure, for the report.
    virtual QString ErrorText() const = 0;
    // True when the last failed write ran out of space.
    virtual bool DiskFull() const = 0;
};

std::unique_ptr<SaveIo> MakeFileSaveIo();
