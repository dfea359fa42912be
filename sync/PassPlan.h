#pragma once
// The decisions of one mirror pass (see VdirPass.h), item by item, and
// carrying them out: first into the store in memory, then, once the
// store is saved, into the folder.

#include "store/DayGrid.h"
#include "store/ical/Item.h"
#include "sync/RecordMatch.h"
#include "sync/VdirIndex.h"
#include "sync/VdirPass.h"

#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

enum class Side { Same, Changed, Removed };

struct FolderItem {
    QByteArray href;
    ItemStamp stamp;
    Ical::ItemRead read;
};

// What the folder holds of one index entry.
struct FolderSide {
    Side state = Side::Same;
    bool read = false; // its file was replaced and read into `item`
    FolderItem item;
};

class PassPlan {
public:
    PassPlan(const PassOptions &options, DayGrid &grid);

    std::vector<IndexEntry> entries;
    QStringList notes;
    bool entriesChanged = false;

    // `inStep`: the entries are the index's and match the store; otherwise
    // there are none and the store is matched to `fresh` by contents.
    void Decide(std::vector<FolderSide> &sides, std::vector<FolderItem> &fresh, bool inStep);
    // Writes the losing versions of items both sides changed.
    bool WriteKept(QStringList &kept, QString &error);
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
        bool drop = false; // the entry goes once carried out
        uint64_t base = 0; // what both sides hold once carried out
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

    const PassOptions &options_;
    DayGrid &grid_;
    double dataTime_ = 0; // when the data file was last written
    RecordMatch match_;
    std::vector<Action> actions_;
    std::vector<Kept> kept_;
};
