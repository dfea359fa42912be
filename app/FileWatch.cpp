#include "app/FileWatch.h"

#include <QFileInfo>

namespace {
// A copy of a big file arrives in many writes: look once they pause.
constexpr int SettleMs = 300;
constexpr int PollMs = 2000;
} // namespace

FileWatch::FileWatch(const QString &path, std::function<void()> mayHaveChanged)
    : path_(path), mayHaveChanged_(std::move(mayHaveChanged))
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { mayHaveChanged_(); });
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { mayHaveChanged_(); });
    poll_.start();
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { noticed(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { noticed(); });
    watcher_.addPath(QFileInfo(path_).absolutePath());
    noticed();
    settle_.stop();
}

void FileWatch::noticed()
{
    // A file replaced or created anew is watched from here on.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_))
        watcher_.addPath(path_);
    settle_.start();
}
