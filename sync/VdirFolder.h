#pragma once
// The calendar folder a store is mirrored to, as the vdir format of the
// pimutils tools has it: one ".ics" file per item, named after the item's
// UID, written atomically by everyone (vdirsyncer, khal, this program).
// Files whose names start with a dot and files of other kinds are not
// items; the temporary files of an atomic write are such files.

#include "sync/VdirIndex.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace VdirFolder {

// What is wrong with `folder` as a calendar vdir; empty when nothing is.
// A folder of calendars (vdirsyncer's storage path, not one collection of
// it) and an address book's folder are the mistakes people make; they are
// looked for in a folder not `known` from an earlier pass, or one without
// items.
QString Problem(const QString &folder, bool known);

// The item files by name, with their stamps.
QHash<QByteArray, ItemStamp> List(const QString &folder);
ItemStamp StampOf(const QString &folder);

// One value for a listing, whatever its order: any item added, removed,
// replaced or rewritten in place changes it. `newestNs` gets the latest
// change time among the items.
uint64_t ListingPrint(const QHash<QByteArray, ItemStamp> &files, int64_t &newestNs);

// Items bigger than this are not read: the reader's cost grows faster
// than the size with very long lines, and no event needs as much.
constexpr int64_t MaxItemBytes = 1 << 20;

// A file name for a new item: its UID where that makes a safe name.
QByteArray NameFor(const QByteArray &uid);

// Writes `bytes` as `name` atomically; the stamp of the file written, or
// no stamp (size -1) with `error` set.
ItemStamp Write(const QString &folder, const QByteArray &name, const QByteArray &bytes, QString &error);

// Brings what was written to the folder to the disk, before the side
// index that records it is written.
bool Flush(const QString &folder);

} // namespace VdirFolder
