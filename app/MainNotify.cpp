// Reminders that reach the user while the main window is out of sight.
#include "app/MainUnit.h"

#include "KalvixProduct.h"
#include "platform/desktop/WindowActivation.h"
#include "platform/notify/DesktopNotifier.h"

#include <QDialog>
#include <QWindow>

quint64 TMainForm::announceReminder(const QString &heading, const QString &name)
{
    // Hidden, minimised, or not on the screen at all (another workspace):
    // the reminder dialog may well go unseen, so the desktop is told too.
    const QWindow *w = windowHandle();
    const bool inSight = isVisible() && !isMinimized() && w && w->isExposed();
    if (inSight)
        return 0;
    if (!notifier_) {
        // The session bus is only touched once a notice is wanted.
        notifier_ = std::make_unique<DesktopNotifier>(QStringLiteral(KALVIX_NAME));
        connect(notifier_.get(), &DesktopNotifier::activated, this, &TMainForm::raiseReminder);
    }
    return notifier_->post(heading, name);
}

void TMainForm::withdrawReminder(quint64 notice)
{
    if (notice != 0 && notifier_)
        notifier_->withdraw(notice);
}

void TMainForm::raiseReminder()
{
    // The user clicked the notice: the dialog comes to them, wherever it is.
    if (reminderDialog_ && reminderDialog_->isVisible())
        ActivateForUser(reminderDialog_);
}
