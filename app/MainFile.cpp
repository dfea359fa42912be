// The data file: reading it at start, writing it, and a file that could
// not be read and so must not be written over.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
#include "reminders/ReminderCheck.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

QString TMainForm::aboutDataFile(const QString &message) const
{
    // The file may live beside the program or in the user's data folder;
    // the message says which file it is about.
    return message + QStringLiteral("\n\nFile: ") + QDir::toNativeSeparators(dataPath());
}

void TMainForm::reportFileFailure(const TerminFile::Outcome &outcome)
{
    // The last save before the program ends reports its own way (no box
    // where nobody is there to close it).
    if (failureSink_) {
        *failureSink_ = outcome.message;
        return;
    }
    // A failing save repeats every second; one report at a time is enough,
    // and the next tick after it is closed reports again if still failing.
    if (reportOpen_)
        return;
    reportOpen_ = true;
    Dialogs::ShowError(this, aboutDataFile(outcome.message));
    reportOpen_ = false;
}

void TMainForm::SaveTermins()
{
    const uint64_t changes = grid_->ChangeCount();
    const TSettings s = settings();
    if (writeBytes(TerminFile::Serialize(*grid_, s))) {
        saved_.valid = true;
        saved_.changes = changes;
        saved_.settings = s;
        saved_.file = FileStamp::Of(nativeDataPath_);
    }
}

bool TMainForm::writeBytes(const QByteArray &bytes)
{
    if (!unreadFile_.isEmpty()) {
        // A file that can be read again joins the store first, so what is
        // written holds both.
        if (recheckUnreadFile())
            return writeBytes(TerminFile::Serialize(*grid_, settings()));
        // The file holds appointments this run never saw: writing the store
        // over it would destroy them. Refuse, and say so every time; as a
        // box for the first refusal and whenever the user asked for the
        // save, in the status bar for the timer's repeats.
        TerminFile::Outcome refused;
        refused.ok = false;
        refused.message = QStringLiteral("The appointments were not saved. %1").arg(unreadFile_);
        StatusBar1->showMessage(QStringLiteral("Not saved: the data file could not be read"));
        if (!timerSave_ || !unreadReported_) {
            unreadReported_ = true;
            reportFileFailure(refused);
        }
        return false;
    }
    const TerminFile::Outcome o = WriteTerminBytes(dataPath(), bytes);
    if (!o.ok) {
        saved_.valid = false;
        reportFileFailure(o);
        return false;
    }
    return true;
}

bool TMainForm::recheckUnreadFile()
{
    // While a reminder is open its record is looked up by position after the
    // answer; a merge now would move records under it. Try again later.
    if (check_->checking())
        return false;
    TSettings s = settings();
    const TerminFile::Recheck r = RecheckUnreadFile(dataPath(), *grid_, s);
    if (r.state == TerminFile::Recheck::StillUnread) {
        if (!r.outcome.message.isEmpty())
            unreadFile_ = r.outcome.message
                + QStringLiteral(
                              " Nothing will be saved over it until it can be read "
                              "or is moved away.");
        return false;
    }
    unreadFile_.clear();
    StatusBar1->clearMessage();
    if (r.state == TerminFile::Recheck::Merged) {
        grid_->NoteChange();
        selected_ = {};
        applySettings(s);
        if (destroyed_)
            Timer1.stop(); // the settings' handlers restart it; this is the last save
        ShowInformation();
        StatusBar1->showMessage(QStringLiteral("The data file could be read now; its appointments were added"), 10000);
    } else if (!r.outcome.ok) {
        reportFileFailure(r.outcome);
    }
    return true;
}

bool TMainForm::unchangedSinceSave() const
{
    // A missing file is always written: had it been taken away between our
    // rename and the stamp taken after it, the stamp would read "absent" and
    // a comparison with "absent" now would call that unchanged for good.
    return saved_.valid && saved_.changes == grid_->ChangeCount() && saved_.settings == settings() && saved_.file.exists
        && saved_.file == FileStamp::Of(nativeDataPath_);
}

void TMainForm::OpenTermins()
{
    TSettings s = settings();
    const TerminFile::Outcome o = ::OpenTermins(dataPath(), *grid_, s);
    selected_ = {};
    if (!o.ok) {
        if (o.unread) {
            unreadFile_ = o.message;
            unreadReported_ = true; // the box below says saves will refuse
        }
        Dialogs::ShowError(this, aboutDataFile(o.message));
        return;
    }
    applySettings(s);
}
