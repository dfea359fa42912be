#pragma once
// Where a command's output goes, with every failure caught: a command
// that could not write all of it says so with the system's reason and
// fails, rather than reporting success over a cut file.

#include <QByteArray>
#include <QString>

namespace OutputFile {

// Writes all of `bytes` to the file descriptor, then closes it. False with
// `error` set (the system's message) when a write or the close fails.
bool WriteAndClose(int fd, const QByteArray &bytes, QString &error);

// Writes `bytes` to `path` whole or not at all: a plain file (or a new one)
// is written beside itself, synced and renamed over the old one, so a full
// disk leaves the old file, or none, and no piece of the new; a device or
// FIFO is written straight through.
bool WriteWhole(const QString &path, const QByteArray &bytes, QString &error);

} // namespace OutputFile
