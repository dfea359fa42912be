#include "sync/VdirIndex.h"

#include "store/DayGrid.h"
#include "store/StableHash.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QSaveFile>

namespace {

const char Magic[] = "kalvix-vdir-index 1";

QByteArray hex(uint64_t v)
{
    return QByteArray::number(static_cast<qulonglong>(v), 16);
}

QByteArray stampText(const ItemStamp &s)
{
    return QByteArray::number(static_cast<qlonglong>(s.size)) + ' '
        + QByteArray::number(static_cast<qlonglong>(s.modifiedNs)) + ' '
        + QByteArray::number(static_cast<qulonglong>(s.inode));
}

bool readStamp(const QList<QByteArray> &f, int at, ItemStamp &s)
{
    bool a = false, b = false, c = false;
    s.size = f[at].toLongLong(&a);
    s.modifiedNs = f[at + 1].toLongLong(&b);
    s.inode = f[at + 2].toULongLong(&c);
    return a && b && c;
}

} // namespace

QString VdirIndex::PathFor(const QString &dataPath)
{
    const QFileInfo info(dataPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".idx"));
}

bool VdirIndex::Load(const QString &path, QString &error)
{
    *this = VdirIndex();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (f.exists())
            error = f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    const QList<QByteArray> lines = bytes.split('\n');
    auto bad = [&](int line) {
        error = QStringLiteral("line %1 makes no sense").arg(line + 1);
        *this = VdirIndex();
        return false;
    };
    if (lines.size() < 3 || lines[0] != Magic)
        return bad(0);
    if (!lines[1].startsWith("folder "))
        return bad(1);
    folder = QFile::decodeName(lines[1].mid(7));
    const QList<QByteArray> head = lines[2].split(' ');
    bool ok = false;
    if (head.size() != 5 || head[0] != "store" || !readStamp(head, 2, folderStamp))
        return bad(2);
    store = head[1].toULongLong(&ok, 16);
    if (!ok)
        return bad(2);
    entries.reserve(static_cast<size_t>(lines.size()));
    for (int i = 3; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        // uid href day record base size mtime inode changed removed
        const QList<QByteArray> c = lines[i].split('\t');
        if (c.size() != 8)
            return bad(i);
        const QList<QByteArray> s = c[5].split(' ');
        IndexEntry e;
        e.uid = QByteArray::fromPercentEncoding(c[0]);
        e.href = QByteArray::fromPercentEncoding(c[1]);
        bool a = false, b = false, k = false, d = false;
        e.day = c[2].toInt(&a);
        e.record = c[3].toULongLong(&b, 16);
        e.base = c[4].toULongLong(&k, 16);
        e.changed = c[6].toDouble(&d);
        if (!a || !b || !k || !d || s.size() != 3 || !readStamp(s, 0, e.stamp) || e.uid.isEmpty() || e.href.isEmpty()
            || e.day < 0 || e.day >= DayGrid::UsedDays || (c[7] != "0" && c[7] != "1"))
            return bad(i);
        e.removed = c[7] == "1";
        entries.push_back(std::move(e));
    }
    return true;
}

bool VdirIndex::Save(const QString &path, QString &error) const
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(entries.size() * 120 + 256));
    out += Magic;
    out += "\nfolder " + QFile::encodeName(folder) + '\n';
    out += "store " + hex(store) + ' ' + stampText(folderStamp) + '\n';
    for (const IndexEntry &e : entries) {
        // UIDs and file names come from other programs: tabs and line
        // breaks in them must not break the line up.
        out += e.uid.toPercentEncoding("@.-_+=") + '\t' + e.href.toPercentEncoding("@.-_+=") + '\t'
            + QByteArray::number(e.day) + '\t' + hex(e.record) + '\t' + hex(e.base) + '\t' + stampText(e.stamp) + '\t'
            + QByteArray::number(e.changed, 'g', 17) + '\t' + (e.removed ? "1" : "0") + '\n';
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size() || !f.commit()) {
        error = f.errorString();
        return false;
    }
    return true;
}

uint64_t StoreFingerprint(const DayHashes &hashes)
{
    uint64_t h = 0x6b76646972;
    for (int day = 0; day < DayGrid::UsedDays; ++day) {
        if (hashes.begin(day) == hashes.end(day))
            continue;
        h = StableHash(&day, sizeof day, h);
        h = StableHash(hashes.begin(day), static_cast<size_t>(hashes.end(day) - hashes.begin(day)) * sizeof(uint64_t),
                       h);
    }
    return h;
}
