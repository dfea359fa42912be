#pragma once
// The running copy's side of the calendar folder mirror (see
// sync/VdirPass.h): with a folder set for its data file, it runs a pass at
// start, a second or so after every save of the store (so a changed
// appointment's file is written within seconds), and whenever the folder
// changes (vdirsyncer or khal wrote to it), noticed by the system's
// notices and, where none come, by a look every few seconds.
//
// A pass goes on while a reminder is open, leaving its record alone (see
// PassOptions::heldDay); it waits while a message is open: a question such
// as "Delete appointment" acts on rows chosen before it, which must not
// move under it.

#include "sync/VdirPass.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <optional>

class Clock;
class TMainForm;

class LiveMirror : public QObject {
public:
    LiveMirror(TMainForm &form, Clock &clock);
    ~LiveMirror() override;
    LiveMirror(const LiveMirror &) = delete;
    LiveMirror &operator=(const LiveMirror &) = delete;

    // "kalvix sync" sent to this copy: a pass now with `folder` (from then
    // on the folder watched, once the pass worked). Nothing while a message is
    // open, or while the pass would change the record an open reminder
    // shows: the command waits.
    std::optional<PassReport> PassNow(const QString &folder, bool newFolder, bool takeExisting,
                                      bool takeRemovals = false);

    // The mirror's clock's time (a local date-time value).
    double Now() const;

    // A pass is due within this long after a save or a change in the folder.
    static constexpr int AfterSaveMs = 1000;
    static constexpr int SettleMs = 300;
    static constexpr int PollMs = 5000;

private:
    bool busy() const;
    void schedule(int ms);
    void watch();
    void pass();
    void settled();
    PassReport run(const QString &folder, bool newFolder, bool takeExisting, bool takeRemovals = false);

    TMainForm &form_;
    Clock &clock_;
    QString folder_;
    bool inPass_ = false;
    QString said_; // the last pass's message, not shown again while it stays the same
    QFileSystemWatcher watcher_;
    QTimer due_;
    QTimer poll_;
};
