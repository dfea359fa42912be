#include "store/TerminFile.h"

#include "store/SaveIo.h"
#include "store/TerminFormat.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace TerminFile {

const char *const FileName = "appointments.dat";
const char *const CreateErrorText = "Error: could not create file!";
const char *const OpenErrorText = "Error: could not open file!";
const char *const ReadBeyondEndText = "Read beyond end of file";

QByteArray Serialize(const DayGrid &grid, const TSettings &settings)
{
    QByteArray out;
    TerminFormat::SerializeChunks(grid, settings, [&out](const char *p, size_t n) {
        out.append(p, static_cast<qsizetype>(n));
        return true;
    });
    return out;
}

QString Parse(const char *data, size_t size, DayGrid &grid, TSettings &settings)
{
    const QString error = TerminFormat::Validate(data, size);
    if (!error.isEmpty())
        return error;
    std::unique_ptr<char[]> copy(new char[size + 1]);
    std::memcpy(copy.get(), data, size);
    TerminFormat::Load(copy.get(), size, grid, settings);
    grid.KeepTextStorage(std::move(copy));
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

bool holdsBytes(const QString &path, const char *data, size_t size)
{
    QFile f(path);
    if (f.size() != static_cast<qint64>(size) || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    return static_cast<size_t>(bytes.size()) == size && std::memcmp(bytes.constData(), data, size) == 0;
}

// Writes a file image produced piece by piece: into a temporary file beside
// `path`, synced, then renamed over it. Any failure leaves `path` as it was.
Outcome writeAtomically(const QString &path, SaveIo *io,
                        const std::function<bool(const std::function<bool(const char *, size_t)> &)> &produce)
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
        io->Remove(temp);
        return failure(what + QStringLiteral(". The appointments were not saved; the previous file is unchanged."));
    };
    auto ioError = [&] {
        return io->DiskFull() ? QStringLiteral("Disk full") : QStringLiteral("I/O error: %1").arg(io->ErrorText());
    };

    bool shortWrite = false;
    const bool written = produce([&](const char *p, size_t left) {
        while (left > 0) {
            const long long n = io->Write(p, left);
            if (n <= 0) {
                shortWrite = n == 0;
                return false;
            }
            p += n;
            left -= static_cast<size_t>(n);
        }
        return true;
    });
    if (!written)
        return abandon(shortWrite ? QStringLiteral("Disk full") : ioError());
    if (!io->Sync())
        return abandon(ioError());
    if (!io->Close())
        return abandon(QStringLiteral("I/O error: %1").arg(io->ErrorText()));
    if (!io->Rename(temp, path))
        return abandon(QStringLiteral("I/O error: %1").arg(io->ErrorText()));
    return Outcome();
}

// Copies an unreadable file to the first free "<name>.bad", "<name>.bad.1"...
// An earlier copy holding the same bytes is reused, so starting again and
// again with the same damaged file does not pile up copies.
QString keepCopy(const QString &path, const char *data, size_t size)
{
    QString target = path + QStringLiteral(".bad");
    for (int i = 1; QFileInfo::exists(target); ++i) {
        if (holdsBytes(target, data, size))
            return target;
        if (i >= 1000)
            return QString();
        target = path + QStringLiteral(".bad.%1").arg(i);
    }
    const Outcome o = writeAtomically(target, nullptr, [&](const auto &write) { return write(data, size); });
    return o.ok ? target : QString();
}

} // namespace

Outcome WriteTerminBytes(const QString &path, const QByteArray &bytes, SaveIo *io)
{
    return writeAtomically(path, io, [&bytes](const auto &write) {
        return write(bytes.constData(), static_cast<size_t>(bytes.size()));
    });
}

Outcome SaveTermins(const QString &path, const DayGrid &grid, const TSettings &settings, SaveIo *io)
{
    return writeAtomically(path, io, [&](const auto &write) {
        return TerminFormat::SerializeChunks(grid, settings, write);
    });
}

Outcome OpenTermins(const QString &path, DayGrid &grid, TSettings &settings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QString::fromLatin1(TerminFile::OpenErrorText));
    const qint64 expected = file.size();
    if (expected < 0)
        return failure(QString::fromLatin1(TerminFile::OpenErrorText));
    // One read into a buffer the grid keeps: the loaded texts point into it.
    std::unique_ptr<char[]> bytes(new char[static_cast<size_t>(expected) + 1]);
    qint64 size = 0;
    while (size < expected) {
        const qint64 n = file.read(bytes.get() + size, expected - size);
        if (n < 0)
            return failure(QString::fromLatin1(TerminFile::OpenErrorText));
        if (n == 0)
            break; // shorter than it said: whatever came is checked below
        size += n;
    }
    file.close();

    const QString error = TerminFormat::Validate(bytes.get(), static_cast<size_t>(size));
    if (!error.isEmpty()) {
        Outcome o = failure(error);
        o.keptCopy = keepCopy(path, bytes.get(), static_cast<size_t>(size));
        o.message = o.keptCopy.isEmpty()
            ? error + QStringLiteral(". The file could not be read and was left as it is.")
            : error + QStringLiteral(". The file could not be read; its contents were kept as \"%1\".").arg(o.keptCopy);
        return o;
    }
    // Sound all through: nothing below can fail half-way.
    grid.delall();
    TerminFormat::Load(bytes.get(), static_cast<size_t>(size), grid, settings);
    grid.KeepTextStorage(std::move(bytes));
    return Outcome();
}
