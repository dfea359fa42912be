#pragma once
// The decisions of one mirror pass (see VdirPass.h), item by item, and
// carrying them out: first into the store in memory, then, once the
// store is saved, into the folder.

#include "store/DayGrid.h"
#include "store/ical/Item.h"
#include "store/ical/SeriesItem.h"
#include "sync/RecordMatch.h"
#include "sync/VdirIndex.h"
#include "sync/VdirPass.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <set>
#include <vector>

enum class Side { Same, Changed, Removed };

struct FolderItem {
    QByteArray href;
    QByteArray bytes; // the file as read
    ItemStamp stamp;
    Ical::ItemRead read;
};

// A repeating event's file as this pass found it: missing, or read over
// the series' days (`changed`: not as last exchanged).
struct SeriesSide {
    bool missing = false;
    bool changed = false;
    FolderItem item;
    bool aside = false; // could not be read: set aside, its occurrences wait
};

// Reads one file of the folder, expanding a repeating event over the days
// `from` to `until`.
bool ReadFolderItem(const QString &folder, const QByteArray &href, const QDate &from, const QDate &until,
                    FolderItem &item, QString &error);

// The last day a series' occurrences are kept for on `today`: a year ahead.
QDate WindowEnd(const QDate &today);

// What the folder holds of one index entry.
struct FolderSide {
    Side state = Side::Same;
    bool read = false; // its file was replaced and read into `item`
    FolderItem item;
};

// With a record held on screen (PassOptions::heldDay): its item's change
// in the folder, if the store did not change it too, is left unseen by
// this pass (`sides`). True when it was; the next pass must list the folder.
bool HoldBackItem(const PassOptions &options, const DayGrid &grid, const std::vector<IndexEntry> &entries,
                  std::vector<FolderSide> &sides);

class PassPlan {
public:
    PassPlan(const PassOptions &options, DayGrid &grid);

    std::vector<IndexEntry> entries;
    std::vector<SeriesEntry> series;
    std::vector<SeriesSide> seriesSides; // one per series, as this pass found its file
    QStringList notes;
    QStringList keptEdits; // occurrences changed here that a change of their series did not reach
    bool entriesChanged = false;

    // `inStep`: the entries are the index's and match the store; otherwise
    // there are none and the store is matched to `fresh` by contents.
    void Decide(std::vector<FolderSide> &sides, std::vector<FolderItem> &fresh, bool inStep);
    // Why the removals decided would take too much from the store to be
    // believed (the folder emptied, or most of it); empty when they would not.
    QString Emptied() const;
    // Writes the losing versions of items both sides changed.
    bool WriteKept(QStringList &kept, QString &error);
    // Whether carrying the plan out would change or remove the store's
    // record at `index` of day `day` (PassHeld.cpp).
    bool Touches(int day, uint32_t index) const;
    // Returns the store's fingerprint as this pass leaves it.
    uint64_t ApplyToStore(PassReport &report);
    void ApplyToFolder(PassReport &report);

private:
    struct Put {
        QDate date;
        TTermin record;
    };
    struct Action {
        int record = -1;             // its record in `match_` (-1: none in the store)
        std::optional<Put> toStore;  // replaces the record, or is added
        std::optional<Put> toFolder; // written as the item
        double changed = 0;          // when `toFolder` was changed
        bool removeRecord = false;
        bool removeItem = false;
        bool drop = false;    // the entry goes once carried out
        uint64_t base = 0;    // what both sides hold once carried out
        uint64_t shape = 0;   // an occurrence's: ItemContent::ShapeOf what both sides hold
        bool edited = false;  // an occurrence's: changed here since it came
        bool sentNew = false; // a record new here, going out for the first time
    };
    // What a series' file gets: written anew (`bytes`), or left alone.
    struct SeriesWrite {
        QByteArray bytes;
        bool failed = false; // could not be changed: its occurrences wait
        bool drop = false;   // the series is gone
    };
    struct Kept {
        QDate date;
        TTermin record; // the losing version
        QByteArray uid;
        TText winner; // the name of the version kept
    };

    const TTermin &recordAt(int r) const;
    QDate dateOf(int r) const;
    int newEntry(const QByteArray &uid, const QByteArray &href);
    void decideOne(size_t i, Side store, Side folder, const Ical::NewAppointment *item, double itemChanged);
    void fromFolder(size_t i, const Ical::NewAppointment &item, const TTermin *store);
    void toFolder(size_t i, const QDate &date, const TTermin &record, double changed);
    void bothChanged(size_t i, const Ical::NewAppointment &item, double itemChanged);
    bool oneAppointment(const FolderItem &item);
    // Repeating events (PassSeries.cpp): each decided as a whole, its
    // occurrences one by one.
    void decideSeries(size_t k, bool inStep);
    void decideOccurrence(size_t i, size_t k, Side store, Side folder, const Ical::NewAppointment *item,
                          std::vector<Ical::OccurrenceChange> &changes, std::vector<long long> &removed);
    void keepEdited(size_t i, const QString &why);
    int claimRecord(const Ical::NewAppointment &a);
    int byDayAndName(const FolderItem &item);
    // The UIDs of the series whose file could not be changed.
    std::set<QByteArray> applySeriesToFolder(PassReport &report);

    const PassOptions &options_;
    DayGrid &grid_;
    double dataTime_ = 0; // when the data file was last written
    RecordMatch match_;
    std::vector<Action> actions_;
    std::vector<Kept> kept_;
    size_t known_ = 0;                    // events the folder held at the last exchange
    std::set<int> claimed_;               // records an entry found by contents
    std::vector<FolderItem> freshSeries_; // repeating events new to the index
    std::vector<SeriesWrite> seriesWrites_;
};
