#include "store/TerminFile.h"

#include "store/FileTarget.h"
#include "store/SaveIo.h"
#include "store/StoreHashes.h"
#include "store/TerminFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <functional>

#include <unistd.h>

namespace TerminFile {

const char *const FileName = "appointments.dat";
const char *const CreateErrorText = QT_TRANSLATE_NOOP("TerminFile", "Error: could not create file!");
const char *const OpenErrorText = QT_TRANSLATE_NOOP("TerminFile", "Error: could not open file!");
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
    // The load writes terminators into the bytes and the texts point into
    // them: a copy of the grid's own.
    char *copy = grid.TextStorage(size + 1);
    std::memcpy(copy, data, size);
    copy[size] = '\0';
    const QString loadError = TerminFormat::Load(copy, size, grid, settings);
    if (!loadError.isEmpty())
        grid.delall();
    return loadError;
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

using Producer = std::function<bool(const std::function<bool(const char *, size_t)> &)>;

Outcome failure(const QString &message)
{
    Outcome o;
    o.ok = false;
    o.message = message;
    return o;
}

bool holdsBytes(const QString &path, const char *data, size_t size)
{
    const FileBytes f = ReadWholeFile(path);
    return f.error.isEmpty() && f.size == size && std::memcmp(f.data.get(), data, size) == 0;
}

QString ioError(SaveIo *io)
{
    return io->DiskFull() ? QCoreApplication::translate("TerminFile", "Disk full")
                          : QCoreApplication::translate("TerminFile", "I/O error: %1").arg(io->ErrorText());
}

// Hands the produced bytes to an open file; false with `shortWrite` set when
// the disk took fewer bytes than offered.
bool writeAll(SaveIo *io, const Producer &produce, bool &shortWrite)
{
    return produce([&](const char *p, size_t left) {
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
}

// The data file itself, or a file kept beside it (a copy, the file from
// before a rewrite, an index): a side file is private to its owner, and a
// symbolic link at its name is replaced, never written through.
enum class Kind { Data, Side };

Outcome writeAtomically(const QString &path, SaveIo *io, const Producer &produce, Kind kind);

// A file with several hard links is one file under several names; a rename
// would leave the other names with the old contents. It is rewritten in
// place instead, after a complete copy of its contents has been kept as
// "<name>.previous": a save cut short there leaves that copy, which the next
// start loads when the file itself is found incomplete.
Outcome writeInPlace(const QString &target, SaveIo *io, const Producer &produce)
{
    const QString previous = target + QStringLiteral(".previous");
    const FileBytes old = ReadWholeFile(target);
    if (!old.error.isEmpty())
        return failure(QCoreApplication::translate(
                           "TerminFile",
                           "\"%1\" could not be read before saving over it (%2). The appointments were not "
                           "saved; the file is unchanged.")
                           .arg(target, old.error));
    const Outcome kept = writeAtomically(
        previous, nullptr, [&old](const auto &write) { return write(old.data.get(), old.size); }, Kind::Side);
    if (!kept.ok)
        return failure(
            QCoreApplication::translate("TerminFile",
                                        "A copy of \"%1\" could not be kept before rewriting it in place (%2). The "
                                        "appointments were not saved; the file is unchanged.")
                .arg(target, kept.message));

    if (!io->Rewrite(target))
        return failure(
            QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("TerminFile", TerminFile::CreateErrorText),
                                          io->ErrorText()));
    bool shortWrite = false;
    QString error;
    if (!writeAll(io, produce, shortWrite))
        error = shortWrite ? QCoreApplication::translate("TerminFile", "Disk full") : ioError(io);
    else if (!io->Sync())
        error = ioError(io);
    else if (!io->Close())
        error = QCoreApplication::translate("TerminFile", "I/O error: %1").arg(io->ErrorText());
    if (!error.isEmpty()) {
        io->Close();
        return failure(
            QCoreApplication::translate("TerminFile",
                                        "%1. The appointments were written only in part; the file as it was before is "
                                        "kept as \"%2\", and the next start reads it from there if needed.")
                .arg(error, previous));
    }
    io->Remove(previous);
    return Outcome();
}

// What the user can do about a file that refuses writing depends on whose
// it is: the owner can make it writable; anybody else cannot, but in a
// folder of their own may put a copy of their own in its place.
QString readOnlyMessage(const QString &path)
{
    const QFileInfo file(path);
    const QString head =
        QCoreApplication::translate("TerminFile",
                                    "\"%1\" is read-only. The appointments were not saved; they stay in memory. ")
            .arg(path);
    if (file.ownerId() == ::geteuid())
        return head + QCoreApplication::translate("TerminFile", "Make the file writable to save them.");
    const QString owner = file.owner().isEmpty() ? QString::number(file.ownerId()) : file.owner();
    if (QFileInfo(file.absolutePath()).isWritable())
        return head
            + QCoreApplication::translate("TerminFile",
                                          "It belongs to the user %1, so you cannot make it writable; put a copy "
                                          "of your own in its place (cp \"%2\" \"%2.mine\" && mv \"%2.mine\" "
                                          "\"%2\") and the next save works, or ask %1 to let you write it.")
                  .arg(owner, path);
    return head
        + QCoreApplication::translate("TerminFile",
                                      "It belongs to the user %1, and neither it nor its folder may be written by "
                                      "you; ask %1 or the administrator to give it to you (chown).")
              .arg(owner);
}

// Writes a file image produced piece by piece: into a temporary file beside
// the file (beside a symbolic link's target, so the link stays and leads to
// the new contents), synced, then renamed over it. The new file takes the
// old one's permissions, owner and group; a first file and a side file are
// its owner's alone. Any failure leaves the file as it was.
Outcome writeAtomically(const QString &path, SaveIo *io, const Producer &produce, Kind kind)
{
    std::unique_ptr<SaveIo> own;
    if (!io) {
        own = MakeFileSaveIo();
        io = own.get();
    }
    // Whatever is at a side file's name (a link, a second name of another
    // file, a FIFO) is replaced by the rename, never written into.
    FileTarget target;
    target.path = path;
    if (kind == Kind::Data)
        target = ResolveFileTarget(path);
    if (!target.problem.isEmpty())
        return failure(
            QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("TerminFile", TerminFile::CreateErrorText),
                                          target.problem));
    if (target.exists && !target.regular)
        return failure(
            QCoreApplication::translate("TerminFile",
                                        "\"%1\" is %2, not a file of appointments. The appointments were not saved; "
                                        "they stay in memory. Move it away to save them.")
                .arg(target.path, target.kind));
    if (target.exists && target.readOnly)
        return failure(readOnlyMessage(target.path));
    const QFileInfo folder(QFileInfo(target.path).absolutePath());
    if (!folder.isDir())
        return failure(QStringLiteral("%1 %2").arg(
            QCoreApplication::translate("TerminFile", TerminFile::CreateErrorText),
            QCoreApplication::translate("TerminFile",
                                        "The folder \"%1\" is gone (renamed or removed?). The appointments were "
                                        "not saved; they stay in memory. Put the folder back under that name to "
                                        "save them.")
                .arg(folder.filePath())));
    if (target.exists && target.links > 1)
        return writeInPlace(target.path, io, produce);

    // One fixed temporary name: a save cut short leaves at most this one
    // file behind, and the next save removes it (whatever it is: a file, a
    // link, a FIFO) and creates its own anew.
    const QString temp = target.path + QStringLiteral(".saving");
    io->Remove(temp);
    if (!io->Create(temp))
        return failure(QCoreApplication::translate("TerminFile", TerminFile::CreateErrorText));

    auto abandon = [&](const QString &what) {
        io->Remove(temp);
        return failure(
            what
            + QCoreApplication::translate("TerminFile",
                                          ". The appointments were not saved; the previous file is unchanged."));
    };
    if (kind == Kind::Data && target.exists && !io->TakeAttributes(target.path))
        return abandon(
            QCoreApplication::translate("TerminFile", "I/O error: the file's permissions could not be kept (%1)")
                .arg(io->ErrorText()));
    bool shortWrite = false;
    if (!writeAll(io, produce, shortWrite))
        return abandon(shortWrite ? QCoreApplication::translate("TerminFile", "Disk full") : ioError(io));
    if (!io->Sync())
        return abandon(ioError(io));
    if (!io->Close())
        return abandon(QCoreApplication::translate("TerminFile", "I/O error: %1").arg(io->ErrorText()));
    if (!io->Rename(temp, target.path))
        return abandon(QCoreApplication::translate("TerminFile", "I/O error: %1").arg(io->ErrorText()));
    return Outcome();
}

// Copies an unreadable file to the first free "<name>.bad", "<name>.bad.1"...
// An earlier copy holding the same bytes is reused, so starting again and
// again with the same damaged file does not pile up copies. Returns where
// the bytes are, or sets `error`.
QString keepCopy(const QString &path, const char *data, size_t size, QString &error)
{
    QString target = path + QStringLiteral(".bad");
    for (int i = 1; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++i) {
        if (holdsBytes(target, data, size))
            return target;
        if (i >= 1000) {
            error = QCoreApplication::translate("TerminFile", "no free name for a copy");
            return QString();
        }
        target = path + QStringLiteral(".bad.%1").arg(i);
    }
    const Outcome o = writeAtomically(
        target, nullptr, [&](const auto &write) { return write(data, size); }, Kind::Side);
    if (!o.ok) {
        error = QCoreApplication::translate("TerminFile", "\"%1\": %2").arg(target, o.message);
        return QString();
    }
    return target;
}

QString unreadNote()
{
    return QCoreApplication::translate(
        "TerminFile",
        " Nothing will be saved over it until it can be read or is moved away; until then "
        "changes are kept in memory only.");
}

// Loads validated bytes into the grid, which hands its old records over.
// Returns what the load found wrong, which the check before it should have.
QString load(FileBytes &bytes, DayGrid &grid, TSettings &settings)
{
    grid.delall();
    char *data = bytes.data.get();
    if (data) {
        grid.KeepTextStorage(std::move(bytes.data));
    } else {
        data = grid.TextStorage(bytes.size + 1);
        std::memcpy(data, bytes.lent, bytes.size);
        data[bytes.size] = '\0';
    }
    size_t texts = 0;
    const QString error = TerminFormat::Load(data, bytes.size, grid, settings, &texts);
    if (error.isEmpty())
        grid.CompactTexts(bytes.size, texts);
    return error;
}

} // namespace

Outcome WriteTerminBytes(const QString &path, const QByteArray &bytes, SaveIo *io)
{
    return writeAtomically(
        path, io, [&bytes](const auto &write) { return write(bytes.constData(), static_cast<size_t>(bytes.size())); },
        Kind::Data);
}

Outcome WriteSideFile(const QString &path, const QByteArray &bytes)
{
    return writeAtomically(
        path, nullptr,
        [&bytes](const auto &write) { return write(bytes.constData(), static_cast<size_t>(bytes.size())); },
        Kind::Side);
}

Outcome SaveTermins(const QString &path, const DayGrid &grid, const TSettings &settings, SaveIo *io)
{
    ContentHash hash;
    Outcome o = writeAtomically(
        path, io,
        [&](const auto &write) {
            hash = ContentHash();
            return TerminFormat::SerializeChunks(grid, settings, [&](const char *p, size_t n) {
                hash.Add(p, n);
                return write(p, n);
            });
        },
        Kind::Data);
    o.contentHash = hash.Value();
    return o;
}

namespace {

class DiskSource : public TerminSource {
public:
    FileBytes Read(const QString &path) override { return ReadWholeFile(path); }
    QString PreviousPath(const QString &path) override
    {
        return ResolveFileTarget(path).path + QStringLiteral(".previous");
    }
    QString KeepCopy(const QString &path, const char *data, size_t size, QString &error) override
    {
        return keepCopy(path, data, size, error);
    }
};

class ReadOnlyDiskSource : public DiskSource {
public:
    FileBytes Read(const QString &path) override { return ReadWholeFile(path, true); }
    QString KeepCopy(const QString &, const char *, size_t, QString &error) override
    {
        error = QStringLiteral("no copy is kept by this read");
        return QString();
    }
};

} // namespace

std::unique_ptr<TerminSource> ReadOnlyDisk()
{
    return std::make_unique<ReadOnlyDiskSource>();
}

Outcome OpenTermins(const QString &path, DayGrid &grid, TSettings &settings, TerminSource *source)
{
    DiskSource disk;
    if (!source)
        source = &disk;
    FileBytes bytes = source->Read(path);
    if (!bytes.error.isEmpty()) {
        // Gone since it was seen: the plain report, there is nothing to protect.
        if (!bytes.unread)
            return failure(QCoreApplication::translate("TerminFile", TerminFile::OpenErrorText));
        Outcome o = failure(
            QStringLiteral("%1 (\"%2\": %3).")
                .arg(QCoreApplication::translate("TerminFile", TerminFile::OpenErrorText), path, bytes.error));
        o.unread = true;
        o.message += unreadNote();
        return o;
    }

    const uint64_t contentHash = ContentHashOf(bytes.bytes(), bytes.size);
    const QString error = TerminFormat::Validate(bytes.bytes(), bytes.size);
    if (error.isEmpty()) {
        // Sound all through: nothing below can fail half-way.
        const QString loadError = load(bytes, grid, settings);
        Outcome o = loadError.isEmpty() ? Outcome() : failure(loadError);
        o.contentHash = contentHash;
        return o;
    }

    Outcome o = failure(error);
    o.contentHash = contentHash;
    QString copyError;
    o.keptCopy = source->KeepCopy(path, bytes.bytes(), bytes.size, copyError);
    if (o.keptCopy.isEmpty()) {
        o.unread = true;
        o.message = error
            + QCoreApplication::translate("TerminFile",
                                          ". The file could not be read, and a copy of it could not be kept (%1).")
                  .arg(copyError)
            + unreadNote();
        return o;
    }
    o.message = error
        + QCoreApplication::translate("TerminFile", ". The file could not be read; its contents were kept as \"%1\".")
              .arg(o.keptCopy);

    // A save that rewrote a file with several names in place and was cut
    // short left the complete file from before it.
    const QString previous = source->PreviousPath(path);
    FileBytes before = source->Read(previous);
    if (before.error.isEmpty() && TerminFormat::Validate(before.bytes(), before.size).isEmpty()
        && load(before, grid, settings).isEmpty()) {
        o.message += QCoreApplication::translate(
                         "TerminFile",
                         " The appointments from before the last, unfinished save were loaded from \"%1\".")
                         .arg(previous);
        o.recovered = true;
    }
    return o;
}
