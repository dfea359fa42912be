// The data file: reading it at start, and the one way every save takes to
// it, which first brings in what other programs wrote there.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
#include "app/FileWatch.h"
#include "navigation/FollowedTermin.h"
#include "navigation/NodeCode.h"
#include "navigation/OverviewModel.h"
#include "reminders/ReminderCheck.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>

namespace {
// Every status note of a failed save starts so; the next save that works
// takes such a note away again.
QString notSaved()
{
    return QCoreApplication::translate("TMainForm", "Not saved: ");
}
QString notSavedUnread()
{
    return notSaved() + QCoreApplication::translate("TMainForm", "the data file could not be read");
}
// Why it could not be read (no permission, say) is in the reading's
// message; the note says it, and the bar's tooltip holds all of it.
QString unreadNote(const QString &reading)
{
    return notSavedUnread() + QStringLiteral(": ") + reading;
}
} // namespace

QString TMainForm::aboutDataFile(const QString &message) const
{
    // The file may live beside the program or in the user's data folder;
    // the message says which file it is about.
    return message + tr("\n\nFile: ") + QDir::toNativeSeparators(dataPath());
}

void TMainForm::reportFileFailure(const TerminFile::Outcome &outcome)
{
    // The last save before the program ends reports its own way (no box
    // where nobody is there to close it).
    if (failureSink_) {
        *failureSink_ = outcome.message;
        return;
    }
    if (reportOpen_)
        return;
    reportOpen_ = true;
    Dialogs::ShowError(this, aboutDataFile(outcome.message));
    reportOpen_ = false;
}

void TMainForm::SaveTermins(SaveKind kind)
{
    syncFile(kind);
}

TerminFile::Outcome TMainForm::SaveForCommand()
{
    return syncFile(SaveKind::Command).outcome;
}

SyncResult TMainForm::syncFile(SaveKind kind)
{
    SyncResult r;
    // An open reminder looks its record up by its place once answered, and
    // an open box (the delete question) acts on rows chosen before it:
    // records must not move under either. The file's changes wait until
    // they are closed; a save meanwhile goes on only while the file is
    // known to be as it was.
    const bool held = kind != SaveKind::Final && (check_->checking() || QApplication::activeModalWidget());
    if (held && file_->DiskMayHaveChanged() && file_->DiskChanged()) {
        if (kind == SaveKind::Outside)
            return r;
        r.outcome.ok = false;
        r.outcome.message = tr(
            "The data file was changed by another program; it is taken in and saved once the open reminder or "
            "message is answered.");
        reportSyncFailure(kind, r);
        return r;
    }
    const TTermin *selected = selectedTermin();
    const FollowedTermin followed = selected ? FollowedTermin(*selected) : FollowedTermin();
    TSettings s = settings();
    r = file_->Sync(*grid_, s, kind == SaveKind::Outside ? StoreFile::Mode::Refresh : StoreFile::Mode::Save);
    if (r.brought != SyncResult::Nothing) {
        grid_->NoteChange();
        applySettings(s);
        if (destroyed_)
            Timer1.stop(); // the settings' handlers restart it; this is the last save
        else
            showBrought(r, followed);
    }
    if (!r.note.isEmpty() && !destroyed_)
        StatusBar1->showMessage(r.note);
    if (!r.outcome.ok) {
        saved_.valid = false;
        reportSyncFailure(kind, r);
    } else if (kind != SaveKind::Outside || r.wrote || r.brought != SyncResult::Nothing) {
        saved_ = {true, grid_->ChangeCount(), settings()};
        if (r.note.isEmpty() && StatusBar1->currentMessage().startsWith(notSaved()))
            StatusBar1->clearMessage();
    }
    return r;
}

void TMainForm::showBrought(const SyncResult &, const FollowedTermin &followed)
{
    // The appointment being looked at stays selected when it is still
    // there, found by its contents: its row may now hold another one, and
    // the keys typed next would rename that. The list is rebuilt with its
    // new row chosen at once: an appointment shown in between would fill
    // the editors, and the one being typed in, filled again, would lose
    // its cursor.
    const int code = selected_.code;
    if (!followed.valid() || code < 0 || code != selectedCode() || NodeCode::LevelOf(code) != NodeCode::Level::Day) {
        ShowOutsideChange();
        return;
    }
    const NodeCode::Parts p = NodeCode::Decode(code);
    const int row = followed.RowIn(grid_->Slot(p.year, p.month, p.day));
    selected_ = {};
    if (row < 0) {
        // Gone: nothing is selected, and the keys leave the emptied editors
        // for the list rather than go on into another appointment.
        if (PageControl2 && PageControl2->isAncestorOf(QApplication::focusWidget()))
            ListView1->setFocus(Qt::OtherFocusReason);
        showOverview(code, {}, -1);
    } else {
        showOverview(code, {{row, row}}, row);
        ListView1->scrollTo(ListModel->index(row, 0));
    }
    TreeView1->viewport()->update();
}

void TMainForm::reportSyncFailure(SaveKind kind, const SyncResult &r)
{
    TerminFile::Outcome o = r.outcome;
    if (o.unread)
        o.message = tr("The appointments were not saved. %1").arg(o.message);
    switch (kind) {
    case SaveKind::Command:
        return; // the command's answer says it
    case SaveKind::Added:
        // The name of the new appointment is typed next, and a box there
        // would take its first keys (a space answers it). It waits for
        // Delete or Quit; till then every tick tries again.
        if (!Timer1.isActive())
            Timer1.start();
        [[fallthrough]];
    case SaveKind::Tick:
    case SaveKind::Outside:
        // Said where it does not take the keyboard from whoever is typing;
        // the save is tried again at every tick, and a save the user asks
        // for (Delete, Quit) shows the whole message.
        if (!destroyed_)
            StatusBar1->showMessage(o.unread ? unreadNote(r.outcome.message) : notSaved() + o.message);
        return;
    case SaveKind::User:
    case SaveKind::Final:
        if (!destroyed_ && o.unread)
            StatusBar1->showMessage(unreadNote(r.outcome.message));
        reportFileFailure(o);
        return;
    }
}

void TMainForm::lookAtFile()
{
    if (destroyed_ || !file_->DiskMayHaveChanged())
        return;
    syncFile(SaveKind::Outside);
}

bool TMainForm::unchangedSinceSave() const
{
    return saved_.valid && saved_.changes == grid_->ChangeCount() && saved_.settings == settings()
        && !file_->DiskMayHaveChanged();
}

void TMainForm::OpenTermins()
{
    TSettings s = settings();
    const TerminFile::Outcome o = file_->Load(*grid_, s);
    selected_ = {};
    if (o.ok || o.recovered)
        applySettings(s);
    if (o.ok)
        saved_ = {true, grid_->ChangeCount(), settings()};
    else
        Dialogs::ShowError(this, aboutDataFile(o.message));
}

void TMainForm::watchFile()
{
    watch_ = std::make_unique<FileWatch>(dataPath(), [this] { lookAtFile(); });
}
