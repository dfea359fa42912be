#include "sync/VdirFolder.h"

#include "store/StableHash.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace VdirFolder {

namespace {

bool isItemName(const QString &name)
{
    return !name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive);
}

} // namespace

QString Problem(const QString &folder, bool known)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (!info.exists())
        return QCoreApplication::translate(
                   "VdirFolder", "%1 does not exist; create it, or give the folder vdirsyncer writes the calendar to")
            .arg(shown);
    if (!info.isDir())
        return QCoreApplication::translate(
                   "VdirFolder", "%1 is not a folder; give the calendar's folder, which holds one .ics file per event")
            .arg(shown);
    const QDir dir(folder);
    if (!info.isReadable() || !info.isWritable() || !info.isExecutable())
        return QCoreApplication::translate("VdirFolder", "%1 cannot be read and written by you").arg(shown);
    // Names only, unsorted, and no further than the first item of a
    // folder known: the folder may hold many thousands.
    int items = 0, cards = 0;
    for (QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot); it.hasNext();) {
        it.next();
        const QString f = it.fileName();
        items += isItemName(f);
        cards += f.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive);
        if (known && items > 0)
            return QString();
    }
    if (cards > 0 && items == 0)
        return QCoreApplication::translate(
                   "VdirFolder", "%1 holds address book entries (.vcf), not calendar events; give a calendar's folder")
            .arg(shown);
    if (items == 0) {
        // vdirsyncer's "path" holds one folder per calendar.
        QStringList calendars;
        for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QStringList inner = QDir(dir.filePath(sub)).entryList({QStringLiteral("*.ics")}, QDir::Files);
            if (!inner.isEmpty())
                calendars.append(sub);
        }
        if (!calendars.isEmpty())
            return QCoreApplication::translate("VdirFolder",
                                               "%1 holds several calendars (%2); give the folder of one of them")
                .arg(shown, calendars.join(QStringLiteral(", ")));
    }
    return QString();
}

QHash<QByteArray, ItemStamp> List(const QString &folder)
{
    QHash<QByteArray, ItemStamp> out;
    const QByteArray base = QFile::encodeName(folder) + '/';
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (!isItemName(name))
            continue;
        const QByteArray encoded = QFile::encodeName(name);
        const FileStamp s = FileStamp::Of(base + encoded);
        if (s.exists)
            out.insert(encoded, ItemStamp::From(s));
    }
    return out;
}

ItemStamp StampOf(const QString &folder)
{
    const FileStamp s = FileStamp::Of(folder);
    ItemStamp out = ItemStamp::From(s);
    // A folder's size says nothing; its status-change time does say that
    // an entry was added, removed or renamed in the same tick.
    if (s.exists)
        out.size = s.changedNs;
    return out;
}

QByteArray NameFor(const QByteArray &uid)
{
    bool safe = !uid.isEmpty() && uid.size() <= 200 && uid[0] != '.';
    for (const char c : uid)
        safe = safe && (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '@' || c == '.');
    if (safe)
        return uid + ".ics";
    return QByteArray::number(StableHash(uid.constData(), static_cast<size_t>(uid.size()), 0x766469), 16) + ".ics";
}

ItemStamp Write(const QString &folder, const QByteArray &name, const QByteArray &bytes, QString &error)
{
    // Written beside its place under a name no vdir reader takes for an
    // item (a leading dot), then renamed over it: a reader sees the old
    // file or the new one, never part of one. The disk is flushed once for
    // all files of a pass (Flush): one flush per file would make the first
    // pass of a big store take minutes.
    const QString path = QDir(folder).filePath(QFile::decodeName(name));
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp = QFile::encodeName(folder) + "/." + name + ".kalvix-" + QByteArray::number(::getpid());
    auto fail = [&](int err) {
        error = QCoreApplication::translate("VdirFolder", "could not write %1: %2")
                    .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(err)));
        ::unlink(temp.constData());
        return ItemStamp();
    };
    // Private, as vdirsyncer makes its items: appointments are the user's
    // alone. A leftover of an earlier run under the same process id goes
    // first; the name is never followed as a link.
    ::unlink(temp.constData());
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(errno);
    const char *p = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return fail(err);
        }
        p += n;
        left -= n;
    }
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(temp.constData(), target.constData()) != 0)
        return fail(errno);
    return ItemStamp::From(FileStamp::Of(target));
}

bool Flush(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace VdirFolder
