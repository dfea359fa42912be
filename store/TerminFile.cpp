#include "store/TerminFile.h"

#include "store/SaveIo.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace TerminFile {

const char *const FileName = "appointments.dat";
const char *const CreateErrorText = "Error: could not create file!";
const char *const OpenErrorText = "Error: could not open file!";
const char *const ReadBeyondEndText = "Read beyond end of file";

namespace {

constexpr size_t RecordFixedBytes = 4 * 8 + 1;

class Writer {
public:
    explicit Writer(char *p) : p_(p) {}
    void i32(qint32 v) { qToLittleEndian(v, p_); p_ += 4; }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        qToLittleEndian(bits, p_);
        p_ += 8;
    }
    void u8(unsigned char v) { *p_++ = static_cast<char>(v); }
    void text(const std::string &s)
    {
        i32(static_cast<qint32>(s.size()));
        std::memcpy(p_, s.data(), s.size());
        p_ += s.size();
    }
    char *pos() const { return p_; }

private:
    char *p_;
};

class Reader {
public:
    Reader(const char *p, size_t n) : p_(p), end_(p + n) {}
    size_t left() const { return static_cast<size_t>(end_ - p_); }
    bool i32(qint32 &v)
    {
        if (left() < 4) return false;
        v = qFromLittleEndian<qint32>(p_);
        p_ += 4;
        return true;
    }
    double f64()
    {
        const quint64 bits = qFromLittleEndian<quint64>(p_);
        p_ += 8;
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    unsigned char u8() { return static_cast<unsigned char>(*p_++); }
    const char *take(size_t n) { const char *r = p_; p_ += n; return r; }

private:
    const char *p_;
    const char *end_;
};

// A stored text may hold a NUL; the record keeps what stands before it.
void assignText(std::string &out, const char *p, size_t n)
{
    const void *nul = std::memchr(p, 0, n);
    out.assign(p, nul ? static_cast<size_t>(static_cast<const char *>(nul) - p) : n);
}

} // namespace

QByteArray Serialize(const DayGrid &grid, const TSettings &settings)
{
    size_t size = static_cast<size_t>(DayGrid::UsedDays) * 4 + 12;
    grid.ForEachDay([&size](int, int, int, const TTerminDay &slot) {
        const TTermin *r = slot.records.Data();
        for (uint32_t i = 0, n = slot.records.Count(); i < n; ++i)
            size += RecordFixedBytes + 8 + r[i].Name.size() + r[i].Description.size();
    });

    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    Writer w(out.data());
    grid.ForEachDay([&w](int, int, int, const TTerminDay &slot) {
        const uint32_t n = slot.records.Count();
        w.i32(static_cast<qint32>(n));
        const TTermin *r = slot.records.Data();
        for (uint32_t i = 0; i < n; ++i) {
            w.f64(r[i].Time);
            w.f64(r[i].LastReminded);
            w.f64(r[i].FirstRemind);
            w.f64(r[i].RepeatInterval);
            w.u8(r[i].Done ? 1 : 0);
            w.text(r[i].Name);
            w.text(r[i].Description);
        }
    });
    w.i32(settings.checkMinutes);
    w.i32(settings.checkSeconds);
    w.i32(settings.startMinimized ? 1 : 0);
    Q_ASSERT(w.pos() == out.data() + out.size());
    return out;
}

QString Parse(const char *data, size_t size, DayGrid &grid, TSettings &settings)
{
    Reader r(data, size);
    QString error;
    const QString beyondEnd = QString::fromLatin1(ReadBeyondEndText);

    auto readText = [&](std::string &out) -> bool {
        qint32 len;
        if (!r.i32(len)) { error = beyondEnd; return false; }
        if (len < 0) { error = QStringLiteral("Invalid text length %1").arg(len); return false; }
        if (static_cast<size_t>(len) > r.left()) { error = beyondEnd; return false; }
        assignText(out, r.take(static_cast<size_t>(len)), static_cast<size_t>(len));
        return true;
    };

    bool ok = true;
    grid.ForEachDay([&](int, int, int, TTerminDay &slot) {
        if (!ok) return;
        qint32 count;
        if (!r.i32(count)) { error = beyondEnd; ok = false; return; }
        if (count < 0) { error = QStringLiteral("Invalid appointment count %1").arg(count); ok = false; return; }
        // Every record takes at least its fixed fields and two lengths, so a
        // count that cannot fit in what is left is known bad before any
        // memory is set aside for it.
        if (static_cast<size_t>(count) > r.left() / (RecordFixedBytes + 8)) { error = beyondEnd; ok = false; return; }
        slot.records.Reserve(static_cast<size_t>(count));
        for (qint32 i = 0; i < count; ++i) {
            if (r.left() < RecordFixedBytes + 8) { error = beyondEnd; ok = false; return; }
            TTermin &t = *slot.records.Add();
            t.Time = r.f64();
            t.LastReminded = r.f64();
            t.FirstRemind = r.f64();
            t.RepeatInterval = r.f64();
            t.Done = r.u8() != 0;
            if (!readText(t.Name) || !readText(t.Description)) { ok = false; return; }
        }
    });
    if (!ok)
        return error;

    qint32 minutes, seconds, minimized;
    if (!r.i32(minutes) || !r.i32(seconds) || !r.i32(minimized))
        return beyondEnd;
    settings.checkMinutes = minutes;
    settings.checkSeconds = seconds;
    settings.startMinimized = minimized != 0;
    settings = settings.clamped();
    return QString();
}

QString PathIn(const QString &dir)
{
    if (dir.isEmpty())
        return QString::fromLatin1(FileName);
    const QChar last = dir.back();
    return last == QLatin1Char('/') || last == QLatin1Char('\\') ? dir + QLatin1String(FileName)
                                                                   : dir + QLatin1Char('/') + QLatin1String(FileName);
}

} // namespace TerminFile

using TerminFile::Outcome;

namespace {

Outcome failure(const QString &message)
{
    Outcome o;
    o.ok = false;
    o.message = message;
    return o;
}

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes;
}

// Copies an unreadable file to the first free "<name>.bad", "<name>.bad.1"...
// An earlier copy holding the same bytes is reused, so starting again and
// again with the same damaged file does not pile up copies.
QString keepCopy(const QString &path, const QByteArray &bytes)
{
    QString target = path + QStringLiteral(".bad");
    for (int i = 1; QFileInfo::exists(target); ++i) {
        if (holdsBytes(target, bytes))
            return target;
        if (i >= 1000)
            return QString();
        target = path + QStringLiteral(".bad.%1").arg(i);
    }
    auto io = MakeFileSaveIo();
    const Outcome o = WriteTerminBytes(target, bytes, io.get());
    return o.ok ? target : QString();
}

} // namespace

Outcome WriteTerminBytes(const QString &path, const QByteArray &bytes, SaveIo *io)
{
    std::unique_ptr<SaveIo> own;
    if (!io) {
        own = MakeFileSaveIo();
        io = own.get();
    }
    // One fixed temporary name: a save cut short leaves at most this one
    // file behind, and the next save reuses it.
    const QString temp = path + QStringLiteral(".saving");
    if (!io->Create(temp))
        return failure(QString::fromLatin1(TerminFile::CreateErrorText));

    auto abandon = [&](const QString &what) {
        QString text = what + QStringLiteral(". The appointments were not saved; the previous file is unchanged.");
        io->Remove(temp);
        return failure(text);
    };

    const char *p = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const long long n = io->Write(p, left);
        if (n <= 0) {
            return abandon(io->DiskFull() || n == 0 ? QStringLiteral("Disk full")
                                                    : QStringLiteral("I/O error: %1").arg(io->ErrorText()));
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (!io->Sync())
        return abandon(io->DiskFull() ? QStringLiteral("Disk full") : QStringLiteral("I/O error: %1").arg(io->ErrorText()));
    if (!io->Close())
        return abandon(QStringLiteral("I/O error: %1").arg(io->ErrorText()));
    if (!io->Rename(temp, path))
        return abandon(QStringLiteral("I/O error: %1").arg(io->ErrorText()));
    return Outcome();
}

Outcome SaveTermins(const QString &path, const DayGrid &grid, const TSettings &settings, SaveIo *io)
{
    return WriteTerminBytes(path, TerminFile::Serialize(grid, settings), io);
}

Outcome OpenTermins(const QString &path, DayGrid &grid, TSettings &settings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QString::fromLatin1(TerminFile::OpenErrorText));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(QString::fromLatin1(TerminFile::OpenErrorText));
    file.close();

    auto fresh = std::make_unique<DayGrid>();
    TSettings read = settings;
    const QString error = TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), *fresh, read);
    if (!error.isEmpty()) {
        Outcome o = failure(error);
        o.keptCopy = keepCopy(path, bytes);
        o.message = o.keptCopy.isEmpty()
            ? error + QStringLiteral(". The file could not be read and was left as it is.")
            : error + QStringLiteral(". The file could not be read; its contents were kept as \"%1\".").arg(o.keptCopy);
        return o;
    }
    grid.Adopt(*fresh);
    settings = read;
    return Outcome();
}
