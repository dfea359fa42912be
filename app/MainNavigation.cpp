// The date tree and the overview list beside it.
#include "app/MainUnit.h"

#include "app/AppPictures.h"
#include "app/SpinEdit.h"
#include "controls/ButtonsXP.h"
#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "navigation/Overview.h"
#include "navigation/OverviewModel.h"
#include "platform/locale/LocaleTexts.h"
#include "reminders/Clock.h"
#include "reminders/HeadingPanel.h"
#include "store/DateTimeValue.h"

#include <QCoreApplication>
#include <QDate>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>

QString TMainForm::timeText(double value) const
{
    const DateTimeValue::Parts p = DateTimeValue::Split(value);
    // A damaged value has no time to show; the record itself stays as it is.
    if (!p.valid)
        return QCoreApplication::translate("TMainForm", "(invalid)");
    return LocaleTexts::LongTime(QTime(p.hour, p.minute, p.second));
}

void TMainForm::ShowAll()
{
    TreeModel->setImages(AppPictures::treeImages());
    TreeView1->setModel(TreeModel);
    // Every change of the selection comes through here, whether made with
    // the mouse, the keyboard or by the program, a Ctrl+click that clears it
    // included. The current index is no guide: a mouse press moves it before
    // the selection follows.
    connect(TreeView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { TreeView1Change(); });

    // Today is selected before the tree has its size, which it gets only as
    // the window is shown. Until a person scrolls, clicks or types in the
    // tree, every change of its scroll range centres the selected node
    // again, so the days around it are in view.
    QScrollBar *bar = TreeView1->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this] {
        if (keepSelectionCentred_)
            centreSelectedNode();
    });
    connect(bar, &QScrollBar::actionTriggered, this, [this] { keepSelectionCentred_ = false; });
    TreeView1->installEventFilter(this);
    TreeView1->viewport()->installEventFilter(this);
}

void TMainForm::selectToday()
{
    const QModelIndex root = TreeModel->indexForCode(0);
    TreeView1->expand(root);
    const QDate today = DateTimeValue::ToDateTime(clock_->now()).date();
    if (!DayGrid::IsValidDay(today.year(), today.month(), today.day()))
        return;
    TreeView1->expand(TreeModel->indexForCode(NodeCode::Encode(today.year())));
    TreeView1->expand(TreeModel->indexForCode(NodeCode::Encode(today.year(), today.month())));
    selectCode(NodeCode::Encode(today.year(), today.month(), today.day()));
    keepSelectionCentred_ = true;
}

void TMainForm::centreSelectedNode()
{
    const QModelIndexList selected = TreeView1->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        TreeView1->scrollTo(selected.first(), QAbstractItemView::PositionAtCenter);
}

int TMainForm::selectedCode() const
{
    const QItemSelectionModel *selection = TreeView1->selectionModel();
    if (!selection)
        return -1;
    // One node at most is selected.
    const QModelIndexList selected = selection->selectedIndexes();
    return selected.isEmpty() ? -1 : DateTreeModel::codeOf(selected.first());
}

void TMainForm::selectCode(int code)
{
    const QModelIndex index = TreeModel->indexForCode(code);
    if (!index.isValid())
        return;
    TreeView1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    TreeView1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TMainForm::TreeView1Change()
{
    ShowInformation();
    const int code = selectedCode();
    UpBtn->setEnabled(code > 0);
}

void TMainForm::UpBtnClick()
{
    const int code = selectedCode();
    if (code <= 0)
        return;
    const QModelIndex parent = TreeModel->parent(TreeModel->indexForCode(code));
    selectCode(DateTreeModel::codeOf(parent));
}

// With no node selected the list has nothing to show, and what it showed
// before must not stay behind as if it were still the selection.
void TMainForm::showNothingSelected()
{
    Overview none;
    none.heading = QCoreApplication::translate("TMainForm", "Nothing selected");
    ListModel->setOverview(none);
    ListHeading->setText(none.heading);
    AddTerminBtn->setEnabled(false);
    DelTerminBtn->setEnabled(false);
    ListView1Change();
}

void TMainForm::ShowInformation(ListRows rows)
{
    const int code = selectedCode();
    if (code < 0) {
        showNothingSelected();
        return;
    }
    // The rows selected before, as ranges: a select-all of a million rows is
    // one range. Rebuilt for the same node (a change from outside the
    // window), the list keeps them; were they dropped even for a moment, the
    // editors would hide and the focus would leave the field being typed in.
    // They are taken as numbers: the model's reset invalidates its indexes.
    const QItemSelectionModel *selection = ListView1->selectionModel();
    QList<std::pair<int, int>> kept;
    int current = -1;
    if (rows == ListRows::Kept) {
        for (const QItemSelectionRange &r : selection->selection())
            kept.append({r.top(), r.bottom()});
        current = selection->currentIndex().isValid() ? selection->currentIndex().row() : -1;
    }
    showOverview(code, kept, current);
}

void TMainForm::showOverview(int code, const QList<std::pair<int, int>> &kept, int current)
{
    // Resetting the model drops the list's selection and current row without
    // a selection signal; the list change below runs once for the new rows.
    ListModel->setOverview(BuildOverview(*grid_, code));
    if (!kept.isEmpty() || current >= 0)
        restoreRows(kept, current);
    const QItemSelectionModel *selection = ListView1->selectionModel();
    const Overview &o = ListModel->overview();
    ListHeading->setText(o.heading);
    AddTerminBtn->setEnabled(o.isDay);
    DelTerminBtn->setEnabled(o.isDay && selection->hasSelection());
    ListView1Change();
}

// Added appointments come last in their day, so the rows of those shown
// before keep their numbers; rows beyond the new end are dropped.
void TMainForm::restoreRows(const QList<std::pair<int, int>> &ranges, int current)
{
    const int count = ListModel->rowCount();
    const int last = ListModel->columnCount() - 1;
    QItemSelection rows;
    for (const auto &[top, bottom] : ranges)
        if (top >= 0 && top < count)
            rows.select(ListModel->index(top, 0), ListModel->index(std::min(bottom, count - 1), last));
    QItemSelectionModel *selection = ListView1->selectionModel();
    const QSignalBlocker block(selection);
    if (current >= 0 && current < count)
        selection->setCurrentIndex(ListModel->index(current, 0), QItemSelectionModel::NoUpdate);
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    ListView1->viewport()->update();
}

void TMainForm::ListView1DblClick()
{
    const QItemSelectionModel *selection = ListView1->selectionModel();
    const QModelIndex current = selection->currentIndex();
    const int row = current.isValid() && selection->isRowSelected(current.row()) ? current.row() : firstSelectedRow();
    const int target = ListModel->targetAt(row);
    if (target >= 0)
        selectCode(target);
}
