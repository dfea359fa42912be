// How the program ends: the close question, "Quit", requests from the
// system (signals, logout), the display going away, and the last save on
// every one of these ways.
#include "app/MainUnit.h"

#include "KalvixProduct.h"
#include "app/Dialogs.h"
#include "app/UnsavedStore.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/notify/LastNotice.h"
#include "reminders/Clock.h"
#include "reminders/ReminderAnswers.h"
#include "store/DateTimeValue.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

bool TMainForm::FormCloseQuery()
{
    return Dialogs::Ask(this, tr("The program can't remind you any more if you quit!"), tr("Quit program"),
                        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Information)
        == QMessageBox::Ok;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!quitting_ && (!FormCloseQuery() || !savedBeforeQuit())) {
        event->ignore();
        return;
    }
    event->accept();
    quitting_ = true;
    FormDestroy();
    QCoreApplication::quit();
}

void TMainForm::QuitNow()
{
    // Closing every window first would ask the close question; the tray's
    // "Quit" ends at once, still saving on the way out.
    if (!destroyed_ && savedBeforeQuit())
        EndNow(Ending::User);
}

// A quit the user asked for saves while the program still runs: when that
// fails (a full disk), the user may make room and try again, or stay,
// rather than learn afterwards that the last change went to a side file.
bool TMainForm::savedBeforeQuit()
{
    for (;;) {
        QString failure;
        failureSink_ = &failure;
        const SyncResult r = syncFile(SaveKind::Final);
        failureSink_ = nullptr;
        // Nothing of this run to lose when the file was never read and
        // nothing was added: the ending leaves the file as it was.
        if (r.outcome.ok || destroyed_
            || (!file_->FileRead() && grid_->RecordCount() == 0 && settings() == TSettings()))
            return true;
        const QString text =
            tr("The appointments could not be saved to \"%1\": %2\n\nMake room (or mend the cause) and try "
               "again, or quit anyway: the appointments are then kept in a file of their own in \"%3\" "
               "or, when that has no room either, in \"%4\".")
                .arg(QDir::toNativeSeparators(dataPath()), failure,
                     QDir::toNativeSeparators(QFileInfo(dataPath()).absolutePath()),
                     QDir::toNativeSeparators(UnsavedStoreFallbackFolder()));
        const QMessageBox::StandardButton answer = Dialogs::Choose(this, text, tr("Quit program"),
                                                                   {{QMessageBox::Retry, tr("&Try again")},
                                                                    {QMessageBox::Discard, tr("&Quit anyway")},
                                                                    {QMessageBox::Cancel, tr("&Don't quit")}},
                                                                   QMessageBox::Cancel, QMessageBox::Warning);
        if (answer == QMessageBox::Discard)
            return true;
        if (answer != QMessageBox::Retry)
            return false;
    }
}

void TMainForm::EndNow(Ending why)
{
    if (destroyed_)
        return;
    quitting_ = true;
    // Whatever is open gives way first. A reminder ends as "Cancel all": its
    // record stays unchanged and the check stops before the store is
    // written. Any other box or dialog ends as if closed; none can open
    // after this, since every event loop, nested ones too, is told to end.
    if (reminderDialog_)
        reminderDialog_->done(ReminderAnswer::Cancel);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(w);
        if (dialog && dialog != reminderDialog_ && dialog->isVisible())
            dialog->reject();
    }
    finish(why);
    QCoreApplication::exit(0);
}

void TMainForm::FormDestroy()
{
    finish(Ending::User);
}

void TMainForm::SaveAtExit()
{
    finish(Ending::DisplayLost);
}

void TMainForm::AbandonStart()
{
    // Asked to end before the window was ready: nobody has changed anything
    // yet, and what is in memory may not even be the whole file.
    stopForEnding(true);
}

bool TMainForm::stopForEnding(bool removeTrayIcon)
{
    if (destroyed_)
        return false;
    destroyed_ = true;
    quitting_ = true;
    for (QTimer *t : {&Timer1, &Timer2, &Timer3})
        t->stop();
    if (tray_ && removeTrayIcon)
        tray_->Remove();
    return true;
}

void TMainForm::finish(Ending why)
{
    // Without a display the icon went with it; talking to the server now
    // would only end in Qt's handler for a broken connection again.
    if (!stopForEnding(why != Ending::DisplayLost))
        return;
    finalSave(why);
    grid_->delall();
    selected_ = {};
}

void TMainForm::finalSave(Ending why)
{
    QString failure;
    failureSink_ = &failure;
    const SyncResult r = syncFile(SaveKind::Final);
    failureSink_ = nullptr;
    if (r.outcome.ok)
        return;

    // The program ends whatever happens next; what memory holds beyond the
    // file must not end with it. Memory lacks the file's own appointments
    // when the file was never read: then it holds this run's alone.
    const QString fileName = QFileInfo(dataPath()).fileName();
    const size_t records = grid_->RecordCount();
    const bool unread = !file_->FileRead();
    QString text =
        tr("The appointments could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(dataPath()), failure);
    if (unread && records == 0 && settings() == TSettings()) {
        lastEndingReport_ = text
            + tr("\n\nNothing was added or changed in this run; \"%1\" was left as "
                 "it was, with all its appointments.")
                  .arg(fileName);
    } else {
        const KeptStore kept = KeepUnsavedStore(dataPath(), TerminFile::Serialize(*grid_, settings()),
                                                DateTimeValue::ToDateTime(clock_->now()));
        const QString keptPath = QDir::toNativeSeparators(kept.path);
        if (kept.path.isEmpty())
            text += tr("\n\nThey could not be kept anywhere else either:\n%1").arg(kept.problems.trimmed());
        else if (unread)
            text += tr("\n\n\"%1\" holds the %2 appointment(s) of this run only. \"%3\" could not be "
                       "read by this run and was left as it was, with its own appointments: do not "
                       "replace one by the other, each holds appointments the other lacks.")
                        .arg(keptPath)
                        .arg(records)
                        .arg(fileName);
        else if (r.outcome.unread)
            text += tr("\n\n\"%1\" holds all %2 appointments as they were at the end. \"%3\" could not "
                       "be read (see above why: its permissions or owner may have been changed); it was left "
                       "as it was. Compare the two before replacing it.")
                        .arg(keptPath)
                        .arg(records)
                        .arg(fileName);
        else
            // The side file may be in the user's data folder, far from the
            // data file: the advice names the data file's whole path.
            text += tr("\n\n\"%1\" holds all %2 appointments as they were at the end; \"%3\" holds "
                       "those of the last save. To use them, move that file to \"%4\", in place of \"%3\".")
                        .arg(keptPath)
                        .arg(records)
                        .arg(fileName, QDir::toNativeSeparators(dataPath()));
        lastEndingReport_ = text;
    }
    text = lastEndingReport_;

    if (why == Ending::User) {
        // Quit or the close box: the user is there to read it.
        std::fprintf(stderr, "kalvix: %s\n", text.toLocal8Bit().constData());
        Dialogs::ShowError(this, text);
        return;
    }
    reportUnattended(text);
}

void TMainForm::reportUnattended(const QString &text)
{
    // Nobody may be looking, and a box would hold up the logout or never be
    // seen; the notification service keeps it for when someone is.
    std::fprintf(stderr, "kalvix: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    LastNotice::Post(tr("%1 could not save the appointments").arg(QStringLiteral(KALVIX_NAME)), text);
}

bool TMainForm::SaveForSession()
{
    if (destroyed_)
        return true;
    QString failure;
    failureSink_ = &failure;
    SaveTermins();
    failureSink_ = nullptr;
    if (failure.isEmpty())
        return true;
    // The store stays in memory; the program goes on and tries again.
    reportUnattended(
        tr("The appointments could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(dataPath()), failure));
    return false;
}
