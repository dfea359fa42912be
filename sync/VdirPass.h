#pragma once
// One pass of the mirror between a store and its calendar folder (vdir):
// what changed on either side since the last exchange is brought to the
// other, item by item, decided three ways against what was last exchanged
// (kept in the side index, VdirIndex.h):
//
//   changed on one side only          -> taken over by the other side
//   changed on both, to the same      -> nothing to do
//   changed on both, differently      -> the later change wins; the other
//                                        version is kept as a file in the
//                                        "conflicts" folder beside the data
//                                        file (unless they differ only in
//                                        their reminder state)
//   removed on one side, unchanged    -> removed on the other
//   removed on one side, changed      -> the changed one is kept and goes
//   on the other                         back to the side that removed it
//   new on either side                -> added to the other
//
// A repeating event is one item for all its occurrences (PassSeries.cpp):
// they are kept as appointments from the day it came to a year ahead, and
// a change to one of them goes into the item as that occurrence's own.
//
// Reminder state coming in from the folder is joined with the store's:
// the later acknowledgement and a "Done" from either side win, so a
// reminder answered on one machine is not shown again on another.
//
// The store is written first, through the caller's save (the one save
// path); only when that worked are the folder's files written, then the
// index. A pass that finds nothing to do writes no file at all.

#include "store/DayGrid.h"

#include <QString>
#include <QStringList>

#include <functional>

struct PassOptions {
    QString dataPath;
    QString folder; // the vdir, absolute
    double now = 0; // local date-time value
    // A folder given for the first time that already holds events other
    // programs wrote (the wrong calendar, perhaps) gives its events to the
    // store only when asked to.
    bool newFolder = false;
    bool takeExisting = false;
    // A pass that would remove from the store most of the events the
    // folder held (PassPlan::Emptied: the folder not mounted, or emptied
    // and made anew) removes nothing unless asked to.
    bool takeRemovals = false;
    // The record an open reminder shows (its day's DayGrid::DayNumber, its
    // place in the day; day 0: none). Its item's change in the folder
    // waits until it is answered; a pass that would change or remove it
    // all the same (changed on both sides) waits whole (PassReport::heldBack).
    int heldDay = 0;
    uint32_t heldIndex = 0;
};

struct PassReport {
    bool ok = false;
    bool heldBack = false; // nothing done: the record on screen waits for its answer
    QString error;         // why nothing (or, after `storeSaved`, nothing more) was changed
    bool storeChanged = false;
    int added = 0, changed = 0, removed = 0; // in the store, from the folder
    int written = 0, deleted = 0;            // in the folder, from the store
    QStringList kept;                        // a both-changed item's other version, or an occurrence
                                             // changed here kept from its series' change; one line each
    QStringList notes;                       // items left alone, a rebuilt index
    QStringList errors;                      // folder files that could not be written or removed
    bool wroteAnything() const { return storeChanged || written > 0 || deleted > 0 || !kept.isEmpty(); }
    QString Summary(const QString &folder) const;
};

// `save` writes the store; false (with its error) stops the pass before
// the folder is touched.
PassReport RunPass(const PassOptions &options, DayGrid &grid, const std::function<bool(QString &error)> &save);

// The folder that keeps the losing versions of both-changed items.
QString ConflictFolder(const QString &dataPath);
