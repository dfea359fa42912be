#pragma once
// Appointments to be added to a store, each with its day: what "add" and
// "import" hand to whoever holds the store (this process, or the running
// copy over its socket), in one piece so that either all of them go in or
// none does.

#include "store/DayGrid.h"
#include "store/Termin.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

struct DatedTermin {
    QDate date;
    TTermin termin;
};
using StoreBatch = std::vector<DatedTermin>;

namespace StoreBatchWire {
// The bytes sent over the socket: a count, then per appointment the day as
// year, month, day and the record as the data file stores one.
QByteArray Encode(const StoreBatch &batch);
// Empty error on success. Refuses anything malformed, including days
// outside the store and texts longer than the bytes that follow.
QString Decode(const QByteArray &bytes, StoreBatch &batch);
} // namespace StoreBatchWire

// Same day, time (to the millisecond), name and description: the same
// appointment as far as importing is concerned.
bool SameAppointment(const TTermin &a, const TTermin &b);

struct BatchCounts {
    int added = 0;
    int present = 0; // stored before the batch, not added
};

// Adds a batch to a grid and can take it back out again until the grid is
// changed otherwise: appended records are always the last of their day.
class BatchAddition {
public:
    // `skipPresent`: appointments already stored are counted, not added.
    // `dryRun`: counts only, the grid stays as it is.
    BatchCounts Apply(DayGrid &grid, const StoreBatch &batch, bool skipPresent, bool dryRun = false);
    // Removes what Apply added.
    void Undo(DayGrid &grid);

private:
    struct Added {
        QDate date;
        int count;
    };
    std::vector<Added> added_;
};
