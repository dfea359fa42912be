#include "sync/SetAside.h"

#include "sync/VdirFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

SetAside::SetAside(const QString &folder, const Stamps &before, QStringList &notes)
    : folder_(folder), before_(before), notes_(notes)
{
}

bool SetAside::Read(const QByteArray &href, const QDate &from, const QDate &until, FolderItem &item)
{
    const QString path = QDir(folder_).filePath(QFile::decodeName(href));
    const ItemStamp stamp = ItemStamp::From(FileStamp::Of(path));
    const std::pair<QByteArray, ItemStamp> key{href, stamp};
    // Known as it is: not read again (a big or endless file would cost
    // every pass its full price) and not mentioned again.
    if (stamp.size >= 0 && std::find(before_.begin(), before_.end(), key) != before_.end()) {
        now_.push_back(key);
        return false;
    }
    QString why;
    if (ReadFolderItem(folder_, href, from, until, item, why))
        return true;
    // Taken again once it is as it was when read: a file rewritten while
    // being read is read again at the next pass.
    if (item.stamp == stamp && stamp.size >= 0)
        now_.push_back(key);
    notes_.append(QCoreApplication::translate("SetAside",
                                              "%1 was set aside and the other events were mirrored: %2; it is read "
                                              "again once it changes")
                      .arg(QDir::toNativeSeparators(path), why));
    return false;
}
