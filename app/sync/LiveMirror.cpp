#include "app/sync/LiveMirror.h"

#include "app/MainUnit.h"
#include "reminders/Clock.h"
#include "reminders/ReminderCheck.h"
#include "store/StoreFile.h"
#include "sync/IndexKeeping.h"
#include "sync/VdirConfig.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDialog>
#include <QStatusBar>

LiveMirror::LiveMirror(TMainForm &form, Clock &clock) : form_(form), clock_(clock)
{
    due_.setSingleShot(true);
    connect(&due_, &QTimer::timeout, this, [this] { pass(); });
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { schedule(0); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { schedule(SettleMs); });
    StoreFile::SetWrittenHook([this](const QString &path, const DayHashes &before, const DayGrid &grid) {
        IndexKeeping::AfterSave(path, before, grid, clock_.now());
        if (!inPass_ && path == form_.dataPath())
            schedule(AfterSaveMs);
    });
    folder_ = VdirConfig::FolderFor(form_.dataPath());
    watch();
}

LiveMirror::~LiveMirror()
{
    // The window's last save comes after this: it still keeps the index.
    StoreFile::SetWrittenHook([](const QString &path, const DayHashes &before, const DayGrid &grid) {
        SystemClock clock;
        IndexKeeping::AfterSave(path, before, grid, clock.now());
    });
}

void LiveMirror::watch()
{
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    if (folder_.isEmpty()) {
        poll_.stop();
        return;
    }
    watcher_.addPath(folder_);
    poll_.start();
    schedule(0); // the check at start
}

void LiveMirror::schedule(int ms)
{
    if (folder_.isEmpty())
        return;
    // An earlier deadline wins; a later one does not put off a pass due.
    if (!due_.isActive() || due_.remainingTime() > ms)
        due_.start(ms);
}

double LiveMirror::Now() const
{
    return clock_.now();
}

bool LiveMirror::busy() const
{
    const QWidget *modal = QApplication::activeModalWidget();
    return (modal && modal != form_.reminderDialog()) || !form_.acceptsCommands();
}

void LiveMirror::pass()
{
    if (folder_.isEmpty())
        return;
    if (busy()) {
        schedule(PollMs);
        return;
    }
    // A folder replaced (mounted, restored) is watched again.
    if (!watcher_.directories().contains(folder_))
        watcher_.addPath(folder_);
    const PassReport r = run(folder_, false, false);
    if (r.heldBack) {
        schedule(PollMs);
        return;
    }
    if (!r.ok) {
        // A folder that stays emptied refuses every pass: said once, not at
        // every look, so that the window's other messages are not pushed away.
        const QString message = QCoreApplication::translate("LiveMirror", "Calendar folder: ") + r.error;
        if (message != said_)
            form_.statusBar()->showMessage(message);
        said_ = message;
        return;
    }
    settled();
    // Notes (a file set aside, a lost index) come once, from the pass
    // that first met what they name.
    const QStringList said = r.kept + r.notes;
    if (!said.isEmpty())
        form_.statusBar()->showMessage(said.join(QLatin1Char(' ')));
}

void LiveMirror::settled()
{
    // The folder is back, or its removals were taken: the refusal said
    // goes, unless something else has been said since.
    if (!said_.isEmpty() && form_.statusBar()->currentMessage() == said_)
        form_.statusBar()->clearMessage();
    said_.clear();
}

std::optional<PassReport> LiveMirror::PassNow(const QString &folder, bool newFolder, bool takeExisting,
                                              bool takeRemovals)
{
    if (busy())
        return std::nullopt;
    PassReport r = run(folder, newFolder, takeExisting, takeRemovals);
    if (r.heldBack)
        return std::nullopt;
    if (r.ok)
        settled();
    if (r.ok && folder != folder_) {
        folder_ = folder;
        watch();
    }
    return r;
}

PassReport LiveMirror::run(const QString &folder, bool newFolder, bool takeExisting, bool takeRemovals)
{
    PassOptions options;
    options.dataPath = form_.dataPath();
    options.folder = folder;
    options.now = clock_.now();
    options.newFolder = newFolder;
    options.takeExisting = takeExisting;
    options.takeRemovals = takeRemovals;
    if (const auto held = form_.reminderCheck().Held()) {
        options.heldDay = DayGrid::DayNumber(held->year, held->month, held->day);
        options.heldIndex = held->index;
    }
    inPass_ = true;
    PassReport r = RunPass(options, form_.grid(), [this](QString &error) {
        form_.grid().NoteChange();
        const TerminFile::Outcome o = form_.SaveForCommand();
        if (!o.ok)
            error = o.message;
        return o.ok;
    });
    inPass_ = false;
    if (r.storeChanged)
        form_.ShowOutsideChange();
    return r;
}
