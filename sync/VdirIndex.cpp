#include "sync/VdirIndex.h"

#include "store/DayGrid.h"
#include "store/StableHash.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QSaveFile>

#include <charconv>
#include <cstring>
#include <string_view>

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

} // namespace

QString VdirIndex::PathFor(const QString &dataPath)
{
    const QFileInfo info(dataPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".idx"));
}

namespace {

// One field of a line: the bytes up to `sep` (or the line's end).
struct Cursor {
    const char *p, *end;
    bool ok = true;
    std::string_view next(char sep)
    {
        const char *at = static_cast<const char *>(std::memchr(p, sep, static_cast<size_t>(end - p)));
        if (!at) {
            if (sep != '\n' || p == end)
                ok = false;
            at = end;
        }
        std::string_view v(p, static_cast<size_t>(at - p));
        p = at < end ? at + 1 : end;
        return v;
    }
    template <typename T>
    T number(char sep, int base = 10)
    {
        const std::string_view v = next(sep);
        T out{};
        const auto r = std::from_chars(v.data(), v.data() + v.size(), out, base);
        ok = ok && r.ec == std::errc() && r.ptr == v.data() + v.size() && !v.empty();
        return out;
    }
    QByteArray text(char sep)
    {
        const std::string_view v = next(sep);
        const QByteArray raw(v.data(), static_cast<qsizetype>(v.size()));
        return v.find('%') == std::string_view::npos ? raw : QByteArray::fromPercentEncoding(raw);
    }
};

} // namespace

bool VdirIndex::Load(const QString &path, QString &error, bool headerOnly)
{
    *this = VdirIndex();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (f.exists())
            error = f.errorString();
        return false;
    }
    // The header is a few hundred bytes at most.
    const QByteArray bytes = headerOnly ? f.read(8192) : f.readAll();
    Cursor c{bytes.constData(), bytes.constData() + bytes.size()};
    int line = 1;
    auto bad = [&] {
        error = QCoreApplication::translate("VdirIndex", "line %1 makes no sense").arg(line);
        *this = VdirIndex();
        return false;
    };
    if (c.next('\n') != Magic)
        return bad();
    ++line;
    const std::string_view folderLine = c.next('\n');
    if (folderLine.substr(0, 7) != "folder ")
        return bad();
    folder = QFile::decodeName(QByteArray(folderLine.data() + 7, static_cast<qsizetype>(folderLine.size() - 7)));
    ++line;
    if (c.next(' ') != "store")
        return bad();
    store = c.number<uint64_t>(' ', 16);
    folderStamp.size = c.number<int64_t>(' ');
    folderStamp.modifiedNs = c.number<int64_t>(' ');
    folderStamp.inode = c.number<uint64_t>(' ');
    const std::string_view cleanText = c.next('\n');
    if (!c.ok || (cleanText != "clean" && cleanText != "changed"))
        return bad();
    clean = cleanText == "clean";
    if (headerOnly)
        return true;
    entries.reserve(static_cast<size_t>(bytes.count('\n')));
    // uid href day record base size mtime inode changed removed
    while (c.p < c.end) {
        ++line;
        IndexEntry e;
        e.uid = c.text('\t');
        e.href = c.text('\t');
        e.day = c.number<int>('\t');
        e.record = c.number<uint64_t>('\t', 16);
        e.base = c.number<uint64_t>('\t', 16);
        e.stamp.size = c.number<int64_t>(' ');
        e.stamp.modifiedNs = c.number<int64_t>(' ');
        e.stamp.inode = c.number<uint64_t>('\t');
        const std::string_view changed = c.next('\t');
        bool numberOk = false;
        e.changed = QByteArray(changed.data(), static_cast<qsizetype>(changed.size())).toDouble(&numberOk);
        const std::string_view removed = c.next('\n');
        if (!c.ok || !numberOk || e.uid.isEmpty() || e.href.isEmpty() || e.day < 0 || e.day >= DayGrid::UsedDays
            || (removed != "0" && removed != "1"))
            return bad();
        e.removed = removed == "1";
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
    out += "store " + hex(store) + ' ' + stampText(folderStamp) + (clean ? " clean\n" : " changed\n");
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
