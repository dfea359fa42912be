#pragma once
// Tells the window when its data file may have changed on disk, so that a
// backup copied back or a file synced from elsewhere shows without any
// step of the user's. The system's notices come for the file itself and
// for its folder (a file renamed over ours ends the watch on the old one);
// a burst of them while someone writes is answered once it has calmed.
// Where the system sends none (some network folders), a look every few
// seconds finds the change all the same.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>

class FileWatch : public QObject {
public:
    FileWatch(const QString &path, std::function<void()> mayHaveChanged);

private:
    void noticed();

    QString path_;
    std::function<void()> mayHaveChanged_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QTimer poll_;
};
