// Adding and deleting appointments: the buttons, and the Delete key in the
// list.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
#include "app/EditingHold.h"
#include "navigation/NodeCode.h"
#include "navigation/OverviewModel.h"
#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QWindow>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeView>

#include <algorithm>
#include <vector>

void TMainForm::AddTerminBtnClick()
{
    const int code = selectedCode();
    if (code < 0)
        return;
    if (NodeCode::LevelOf(code) == NodeCode::Level::Day) {
        const NodeCode::Parts p = NodeCode::Decode(code);
        TTermin *t = grid_->AddRecord(grid_->Slot(p.year, p.month, p.day));
        t->Name = EncodeAnsi(tr("No name"));
        t->FirstRemind = 3.0;
        t->RepeatInterval = 1.0;
        t->LastReminded = 0;
        t->Time = DateTimeValue::EncodeTime(12, 0);
        t->Done = false;
    }
    ShowInformation();
    if (const int rows = ListModel->rowCount()) {
        ListView1->selectionModel()->setCurrentIndex(ListModel->index(rows - 1, 0),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // Focus given to an edit field selects its text, so the name typed
        // next replaces "No name".
        if (PageControl2 && PageControl2->isVisible() && PageControl2->currentIndex() == 0) {
            NameEd->setFocus(Qt::OtherFocusReason);
            NameEd->selectAll();
            // The name is typed next: its reminder, due at once for a day
            // close by, waits until it is.
            hold_->touch();
        }
    }
    SaveTermins(SaveKind::Added);
}

void TMainForm::DelTerminBtnClick()
{
    const int code = selectedCode();
    if (code < 0 || !ListView1->selectionModel()->hasSelection() || NodeCode::LevelOf(code) != NodeCode::Level::Day)
        return;
    if (Dialogs::Ask(this, tr("Do you really want to delete the selected appointments?"), tr("Delete appointment"),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question)
        != QMessageBox::Yes)
        return;
    const NodeCode::Parts p = NodeCode::Decode(code);
    TTerminDay &slot = grid_->Slot(p.year, p.month, p.day);
    // Every selected row below the day's record count goes, the rest keep
    // their order. One pass over the day however many rows are selected:
    // removing them one by one would move the rest of the day each time.
    std::vector<bool> removed(slot.records.Count(), false);
    for (const QItemSelectionRange &range : ListView1->selectionModel()->selection()) {
        const int last = std::min(range.bottom(), static_cast<int>(removed.size()) - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row)
            removed[static_cast<size_t>(row)] = true;
    }
    grid_->RemoveRecordsIf(slot, [&removed](size_t i) { return removed[i]; });
    selected_ = {};
    ShowInformation();
    SaveTermins();
}

void TMainForm::ListView1KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        DelTerminBtnClick();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // Made as the page appears, before its page control looks for a field
    // to take the focus the page before it had.
    if (watched == OptionsPage && event->type() == QEvent::Show)
        buildOptionsFields();
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete) {
            ListView1KeyDown(key->key());
            return true;
        }
    }
    if ((watched == TreeView1 || watched == TreeView1->viewport())
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress
            || event->type() == QEvent::Wheel))
        keepSelectionCentred_ = false; // the person has taken over the tree
    if (watched == windowHandle() && event->type() == QEvent::Expose)
        followVisibility(); // mapped, unmapped, moved to another workspace
    return QMainWindow::eventFilter(watched, event);
}
