#include "sync/VdirIndex.h"

#include "store/DayGrid.h"
#include "store/StableHash.h"
#include "store/TerminFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QDir>

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
    std::string_view cleanText = c.next('\n');
    // An index that keeps series ends its header with the window's end.
    if (const size_t sp = cleanText.find(' '); sp != std::string_view::npos) {
        const std::string_view w = cleanText.substr(sp + 1);
        const auto r = std::from_chars(w.data(), w.data() + w.size(), windowEnd);
        if (r.ec != std::errc() || r.ptr != w.data() + w.size())
            return bad();
        cleanText = cleanText.substr(0, sp);
    }
    if (!c.ok || (cleanText != "clean" && cleanText != "changed"))
        return bad();
    clean = cleanText == "clean";
    // Written since the folder's listing has been kept; earlier indexes
    // have no such line, and their next pass lists the folder.
    if (std::string_view(c.p, static_cast<size_t>(c.end - c.p)).substr(0, 8) == "listing ") {
        c.next(' ');
        listing = c.number<uint64_t>(' ', 16);
        listedNs = c.number<int64_t>('\n');
        ++line;
        if (!c.ok)
            return bad();
    }
    if (headerOnly)
        return true;
    entries.reserve(static_cast<size_t>(bytes.count('\n')));
    // uid href day record base size mtime inode changed removed [occurrence shape edited]
    // or, for a series: * uid href size mtime inode from until rule
    while (c.p < c.end) {
        ++line;
        if (*c.p == '!') {
            c.next('\t');
            std::pair<QByteArray, ItemStamp> a;
            a.first = c.text('\t');
            a.second.size = c.number<int64_t>(' ');
            a.second.modifiedNs = c.number<int64_t>(' ');
            a.second.inode = c.number<uint64_t>('\n');
            if (!c.ok || a.first.isEmpty())
                return bad();
            aside.push_back(std::move(a));
            continue;
        }
        if (*c.p == '*') {
            c.next('\t');
            SeriesEntry s;
            s.uid = c.text('\t');
            s.href = c.text('\t');
            s.stamp.size = c.number<int64_t>(' ');
            s.stamp.modifiedNs = c.number<int64_t>(' ');
            s.stamp.inode = c.number<uint64_t>('\t');
            s.from = c.number<int>('\t');
            s.until = c.number<int>('\t');
            s.rule = c.text('\n');
            if (!c.ok || s.uid.isEmpty() || s.href.isEmpty() || s.from < 0 || s.until < s.from
                || s.until >= DayGrid::UsedDays)
                return bad();
            series.push_back(std::move(s));
            continue;
        }
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
        std::string_view removed = c.next('\n');
        if (const size_t tab = removed.find('\t'); tab != std::string_view::npos) {
            Cursor o{removed.data() + tab + 1, removed.data() + removed.size()};
            e.inSeries = true;
            e.occurrence = o.number<long long>('\t');
            e.shape = o.number<uint64_t>('\t', 16);
            const std::string_view edited = o.next('\n');
            if (!o.ok || (edited != "0" && edited != "1"))
                return bad();
            e.edited = edited == "1";
            removed = removed.substr(0, tab);
        }
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
    out += "store " + hex(store) + ' ' + stampText(folderStamp) + (clean ? " clean" : " changed");
    out += series.empty() ? QByteArray("\n") : ' ' + QByteArray::number(windowEnd) + '\n';
    out += "listing " + hex(listing) + ' ' + QByteArray::number(static_cast<qlonglong>(listedNs)) + '\n';
    for (const auto &[href, stamp] : aside)
        out += "!\t" + href.toPercentEncoding("@.-_+=") + '\t' + stampText(stamp) + '\n';
    for (const SeriesEntry &s : series)
        out += "*\t" + s.uid.toPercentEncoding("@.-_+=") + '\t' + s.href.toPercentEncoding("@.-_+=") + '\t'
            + stampText(s.stamp) + '\t' + QByteArray::number(s.from) + '\t' + QByteArray::number(s.until) + '\t'
            + s.rule.toPercentEncoding("=;,:-+") + '\n';
    for (const IndexEntry &e : entries) {
        // UIDs and file names come from other programs: tabs and line
        // breaks in them must not break the line up.
        out += e.uid.toPercentEncoding("@.-_+=") + '\t' + e.href.toPercentEncoding("@.-_+=") + '\t'
            + QByteArray::number(e.day) + '\t' + hex(e.record) + '\t' + hex(e.base) + '\t' + stampText(e.stamp) + '\t'
            + QByteArray::number(e.changed, 'g', 17) + '\t' + (e.removed ? "1" : "0");
        if (e.inSeries)
            out += '\t' + QByteArray::number(e.occurrence) + '\t' + hex(e.shape) + '\t' + (e.edited ? "1" : "0");
        out += '\n';
    }
    const TerminFile::Outcome o = WriteSideFile(path, out);
    if (!o.ok)
        error = o.message;
    return o.ok;
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
