#pragma once
// The data file: every day of the grid in calendar order, each as a count
// followed by its records, then the three settings. Integers are 32-bit
// little-endian, date-time values IEEE doubles stored bit for bit.
//
// Saving never touches the existing file until a complete new one is on
// disk; reading never changes the grid unless the whole file parsed.

#include "store/DayGrid.h"
#include "store/FileTarget.h"
#include "store/Settings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

class SaveIo;

namespace TerminFile {

extern const char *const FileName;          // "appointments.dat"
extern const char *const CreateErrorText;   // "Error: could not create file!"
extern const char *const OpenErrorText;     // "Error: could not open file!"
extern const char *const ReadBeyondEndText; // "Read beyond end of file"

struct Outcome {
    bool ok = true;
    QString message;  // what to tell the user when !ok
    QString keptCopy; // where an unreadable file's bytes were kept, if anywhere
    // The file holds data that was neither loaded nor kept aside: no save
    // may write over it (see StoreFile).
    bool unread = false;
    // A read that failed still left appointments: those from before an
    // unfinished save (see the message).
    bool recovered = false;
    uint64_t contentHash = 0; // of the bytes read or written (ContentHashOf)
    explicit operator bool() const { return ok; }
};

QByteArray Serialize(const DayGrid &grid, const TSettings &settings);

// Parses a whole file image into `grid` (which must be empty) and
// `settings`. Returns an empty string on success, else what went wrong.
QString Parse(const char *data, size_t size, DayGrid &grid, TSettings &settings);

// The file's path in the directory `dir` (which ends in a separator or not).
QString PathIn(const QString &dir);

} // namespace TerminFile

// Writes grid and settings to `path` through a temporary file beside it,
// or beside a symbolic link's target. Refuses a read-only file and anything
// that is not a plain file. `io` defaults to the real file system. A
// program's saves go through StoreFile, which never writes over changes
// made by others.
TerminFile::Outcome SaveTermins(const QString &path, const DayGrid &grid, const TSettings &settings,
                                SaveIo *io = nullptr);
// As above, for bytes already serialised.
TerminFile::Outcome WriteTerminBytes(const QString &path, const QByteArray &bytes, SaveIo *io = nullptr);

// Writes a file kept beside the data file (an index, a copy) the same safe
// way, readable by its owner only; a link at `path` is replaced, not followed.
TerminFile::Outcome WriteSideFile(const QString &path, const QByteArray &bytes);

// Where a read finds a data file's bytes and keeps a copy of bytes it could
// not load. The real one is the file system; the reader's fuzzer gives it
// images from memory, so that millions of them go through the very read
// the program makes.
class TerminSource {
public:
    virtual ~TerminSource() = default;
    // The whole file at `path` (see ReadWholeFile).
    virtual FileBytes Read(const QString &path) = 0;
    // Where a save that rewrote the file at `path` in place keeps the file
    // from before it.
    virtual QString PreviousPath(const QString &path) = 0;
    // Keeps `size` bytes as a copy of the file at `path` that no save will
    // touch. Returns where, or an empty string with `error` set.
    virtual QString KeepCopy(const QString &path, const char *data, size_t size, QString &error) = 0;
};

// The file system as OpenTermins reads it by default, except that a file
// it cannot load is not copied aside (the read fails as `unread`), and a
// large file is read into a mapping of its own (see ByteBlock.h): for the
// read of a big store at start, which may be thrown away, begun before the
// program knows whether it will keep the file.
std::unique_ptr<TerminSource> ReadOnlyDisk();

// Reads `path` into grid and settings. On any failure both stay as they
// were; an unreadable file is copied aside first so no later save can
// destroy it, and when even that fails the outcome is `unread`. A FIFO,
// device or folder at `path` is refused at once, never waited on.
// `source` defaults to the file system.
TerminFile::Outcome OpenTermins(const QString &path, DayGrid &grid, TSettings &settings,
                                TerminSource *source = nullptr);
