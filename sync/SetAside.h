#pragma once
// The folder's files a pass cannot take: not iCalendar, unreadable, too
// big, or an event repeating more often than a store can hold. One such
// file must not stop the mirror of all the others, so it is set aside:
// the pass says so once, remembers the file's stamp in the side index, and
// neither reads nor mentions it again until the file changes. What the
// store holds of it stays as it is, and is not written over it.

#include "sync/PassPlan.h"

#include <QStringList>

#include <utility>
#include <vector>

class SetAside {
public:
    using Stamps = std::vector<std::pair<QByteArray, ItemStamp>>;
    SetAside(const QString &folder, const Stamps &before, QStringList &notes);

    // Reads `href` (see ReadFolderItem); false when it is set aside.
    bool Read(const QByteArray &href, const QDate &from, const QDate &until, FolderItem &item);

    // The files set aside by this pass, for the side index.
    const Stamps &Now() const { return now_; }

private:
    const QString &folder_;
    const Stamps &before_;
    QStringList &notes_;
    Stamps now_;
};
