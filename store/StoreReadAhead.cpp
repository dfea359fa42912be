// A big store read on a thread of its own while the window is built, for
// the window's Load to take over.
#include "store/StoreFile.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// A Load begun by ReadAhead, on its own thread, into its own grid.
struct EarlyRead {
    explicit EarlyRead(const QString &path) : file(path) {}
    ~EarlyRead()
    {
        if (worker.joinable())
            worker.join();
    }
    StoreFile file;
    DayGrid grid;
    TSettings settings;
    TerminFile::Outcome outcome;
    bool failed = false; // the read threw: Load reads again, as if none had begun
    // Set once the records are read: from then on the read's fingerprints
    // are made by the worker and by the thread that takes the read over,
    // whichever comes by.
    std::optional<DayHashes::Builder> fingerprints;
    std::mutex mutex;
    std::condition_variable readDone;
    bool recordsRead = false; // under `mutex`
    std::thread worker;

    // `read` reads the file into `grid` and `settings`, leaving the
    // fingerprints of what it read to be made here.
    template <typename Read>
    void run(Read &&read)
    {
        try {
            outcome = read();
            if (outcome.ok)
                fingerprints.emplace(grid);
        } catch (...) {
            failed = true;
        }
        {
            const std::lock_guard<std::mutex> lock(mutex);
            recordsRead = true;
        }
        readDone.notify_all();
        if (!fingerprints)
            return;
        try {
            fingerprints->Work();
        } catch (...) {
            failed = true;
        }
    }

    // Waits for the records, then helps with their fingerprints.
    void finish()
    {
        {
            std::unique_lock<std::mutex> lock(mutex);
            readDone.wait(lock, [this] { return recordsRead; });
        }
        if (fingerprints)
            fingerprints->Work();
        worker.join();
    }
};

std::unique_ptr<EarlyRead> &earlyRead()
{
    static std::unique_ptr<EarlyRead> early;
    return early;
}

} // namespace

void StoreFile::ReadAhead(const QString &path, int64_t fromBytes)
{
    if (earlyRead() || FileStamp::Of(path).size < fromBytes)
        return;
    auto early = std::make_unique<EarlyRead>(path);
    EarlyRead *e = early.get();
    try {
        e->worker = std::thread([e] {
            e->run([e] {
                const std::unique_ptr<TerminSource> readOnly = ReadOnlyDisk();
                return e->file.read(e->grid, e->settings, readOnly.get(), Fingerprints::Later);
            });
        });
    } catch (const std::system_error &) {
        return; // no thread to be had: Load reads it
    }
    earlyRead() = std::move(early);
}

bool StoreFile::takeReadAhead(DayGrid &grid, TSettings &settings, TerminFile::Outcome &o)
{
    if (!earlyRead() || earlyRead()->file.path() != path_)
        return false;
    const std::unique_ptr<EarlyRead> early = std::move(earlyRead());
    early->finish();
    // A file that could not be loaded is read again here, to be reported in
    // the user's language and copied aside.
    if (early->failed || !early->outcome.ok)
        return false;
    base_ = std::move(early->file.base_);
    base_.days = early->fingerprints->Take();
    grid.Adopt(early->grid);
    o = early->outcome;
    // The file's settings when it was there to be loaded, else the
    // caller's stay, as Load would have left them.
    if (base_.stamp.exists)
        settings = early->settings;
    else
        base_.settings = settings;
    return true;
}
