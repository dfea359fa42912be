#pragma once
// The side index: what ties the appointments of a data file to the items
// of the calendar folder (vdir) it is mirrored to. The data file holds no
// ids, and a record's place in its day shifts whenever one before it is
// removed, so the index, a file beside the data file, gives each
// appointment the UID of its item and remembers what was last exchanged.
//
// An entry finds its record by day and fingerprint (RecordHash), and keeps
// the content both sides agreed on at the last exchange (`base`): the
// three-way decision compares each side with it. The index also names the
// store it was last kept in step with (a fingerprint of all records): a
// data file written by someone who did not keep the index (a backup put
// back, an older copy of the program) no longer matches, and the mirror
// then starts over by matching contents, so it never takes records missing
// from such a file for records the user removed.
//
// A text file, one entry a line, written whole and atomically.

#include "store/FileStamp.h"
#include "store/StoreHashes.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// Enough of a file's stamp to see that it was replaced or rewritten.
struct ItemStamp {
    int64_t size = -1;
    int64_t modifiedNs = 0;
    uint64_t inode = 0;

    static ItemStamp From(const FileStamp &s)
    {
        return s.exists ? ItemStamp{s.size, s.modifiedNs, s.inode} : ItemStamp();
    }
    bool operator==(const ItemStamp &o) const
    {
        return size == o.size && modifiedNs == o.modifiedNs && inode == o.inode;
    }
    bool operator!=(const ItemStamp &o) const { return !(*this == o); }
};

struct IndexEntry {
    QByteArray uid;
    QByteArray href;      // the item's file name in the folder
    int day = 0;          // DayGrid::DayNumber of the record's day
    uint64_t record = 0;  // RecordHash of the record as last saved
    uint64_t base = 0;    // ContentOf the content last exchanged
    ItemStamp stamp;      // of the item's file when last read or written
    double changed = 0;   // when the store changed it since the exchange (local value); 0: it did not
    bool removed = false; // the store removed it since the exchange
    // An occurrence of a repeating event: `uid` and `href` are the series'
    // (see SeriesEntry), `occurrence` names which one it is
    // (NewAppointment::occurrence).
    bool inSeries = false;
    long long occurrence = 0;
    uint64_t shape = 0;  // ItemContent::ShapeOf the content last exchanged
    bool edited = false; // changed here, other than answering its reminder
};

// A repeating event: one item of the folder for many appointments, each
// an IndexEntry with `inSeries` set. The appointments stand for the
// occurrences from `from` to `until`; `until` moves on with the days.
struct SeriesEntry {
    QByteArray uid;
    QByteArray href;
    ItemStamp stamp; // of the item's file when last read or written; size -1: not written yet
    int from = 0;    // DayGrid::DayNumber of the first day kept
    int until = 0;   // ... and of the last
    QByteArray rule; // made here and not written yet: its RRULE
};

class VdirIndex {
public:
    // "appointments.idx" beside the data file.
    static QString PathFor(const QString &dataPath);

    QString folder;        // the vdir, absolute
    uint64_t store = 0;    // StoreFingerprint of the store it was kept in step with
    ItemStamp folderStamp; // of the folder when last listed
    // VdirFolder::ListingPrint of the folder's items when last listed (0:
    // not to be trusted): an item rewritten in place leaves the folder's
    // own stamp as it was, but not this.
    uint64_t listing = 0;
    // When the pass that wrote the index ended (0: unknown): an item
    // stamped less than a file system tick before may have been rewritten
    // in place since without a new stamp.
    int64_t listedNs = 0;
    // The last pass left both sides agreeing, and no save has changed the
    // store since: with the folder's stamp unchanged, a pass has nothing
    // to do and needs nothing but this header.
    bool clean = false;
    std::vector<IndexEntry> entries;
    std::vector<SeriesEntry> series;
    // Files of the folder that could not be taken (not iCalendar, too big,
    // repeating too often), by name, with the stamp they had: said once,
    // and not read again until they change.
    std::vector<std::pair<QByteArray, ItemStamp>> aside;
    // The first day a series' occurrences have not been kept for (from the
    // header, so that a pass on a new day knows at once it has work to do);
    // 0 when there is no series.
    int windowEnd = 0;

    // False when there is none (`error` empty) or it cannot be read.
    // `headerOnly`: no entries are read.
    bool Load(const QString &path, QString &error, bool headerOnly = false);
    bool Save(const QString &path, QString &error) const;
};

// One value for all records of a store, in order, from their fingerprints.
uint64_t StoreFingerprint(const DayHashes &hashes);
