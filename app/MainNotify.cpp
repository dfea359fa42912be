// Reminders that reach the user while the main window is out of sight.
#include "app/MainUnit.h"

#include "KalvixProduct.h"
#include "platform/desktop/WindowActivation.h"
#include "platform/notify/DesktopNotifier.h"
#include "app/LastSeen.h"
#include "reminders/Clock.h"
#include "reminders/MissedAppointments.h"
#include "store/DateTimeValue.h"

#include <QDialog>
#include <QStatusBar>
#include <QWindow>

DesktopNotifier &TMainForm::notifier()
{
    if (!notifier_) {
        // The session bus is only touched once a notice is wanted.
        notifier_ = std::make_unique<DesktopNotifier>(QStringLiteral(KALVIX_NAME));
        connect(notifier_.get(), &DesktopNotifier::activated, this, &TMainForm::raiseReminder);
    }
    return *notifier_;
}

quint64 TMainForm::announceReminder(const QString &heading, const QString &name)
{
    // Hidden, minimised, or not on the screen at all (another workspace):
    // the reminder dialog may well go unseen, so the desktop is told too.
    const QWindow *w = windowHandle();
    const bool inSight = isVisible() && !isMinimized() && w && w->isExposed();
    if (inSight)
        return 0;
    return notifier().post(heading, name);
}

void TMainForm::withdrawReminder(quint64 notice)
{
    if (notice != 0 && notifier_)
        notifier_->withdraw(notice);
}

namespace {
// The clock is looked at once a minute; a gap this much longer than the
// time that passed for the process means the machine slept (or the clock
// was put forward), and no check ran meanwhile.
constexpr int WatchMs = 60000;
constexpr qint64 SleptMs = 120000;
// Noted in the state folder every few looks, so that a run ended by a
// crash or a power cut still leaves a recent moment.
constexpr int NoteEvery = 5;
} // namespace

void TMainForm::startWatchingTime()
{
    // Once, at the first showing, after the reminders due now: what passed
    // since the last run is told after them.
    const double now = clock_->now();
    tellMissed(LastSeen::Read(dataPath()), now);
    LastSeen::Write(dataPath(), now);
    seenAt_ = now;
    sinceSeen_.start();
    WakeWatch.setInterval(WatchMs);
    connect(&WakeWatch, &QTimer::timeout, this, &TMainForm::lookAtClock, Qt::UniqueConnection);
    WakeWatch.start();
}

void TMainForm::lookAtClock()
{
    if (destroyed_)
        return;
    const double now = clock_->now();
    const double wallMs = (now - seenAt_) * DateTimeValue::MSecsPerDay;
    if (wallMs - double(sinceSeen_.restart()) > double(SleptMs))
        tellMissed(seenAt_, now);
    seenAt_ = now;
    if (++seenLooks_ % NoteEvery == 0)
        LastSeen::Write(dataPath(), now);
}

void TMainForm::tellMissed(double since, double now)
{
    if (since <= 0)
        return; // the first run with this file: nothing to compare with
    const std::vector<MissedAppointment> missed = PassedUnanswered(*grid_, since, now);
    if (missed.empty())
        return;
    // Once, and not as a reminder per appointment: they are past, there is
    // nothing left to answer.
    const QString heading = MissedHeading(missed.size());
    StatusBar1->showMessage(heading + QLatin1Char(' ') + MissedList(missed, QStringLiteral("; ")));
    notifier().post(heading, MissedList(missed, QStringLiteral("\n")));
}

void TMainForm::raiseReminder()
{
    // The user clicked the notice: the dialog comes to them, wherever it is.
    if (reminderDialog_ && reminderDialog_->isVisible())
        ActivateForUser(reminderDialog_);
}
