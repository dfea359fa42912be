// The date tree and the overview list beside it.
#include "app/MainUnit.h"

#include "app/AppPictures.h"
#include "app/SpinEdit.h"
#include "controls/ButtonsXP.h"
#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "navigation/Overview.h"
#include "platform/locale/LocaleTexts.h"
#include "reminders/HeadingPanel.h"
#include "store/DateTimeValue.h"

#include <QDate>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

namespace {
constexpr int TargetRole = Qt::UserRole + 1;
}

QString TMainForm::timeText(double value) const
{
    const DateTimeValue::Parts p = DateTimeValue::Split(value);
    return LocaleTexts::LongTime(QTime(p.hour, p.minute, p.second));
}

void TMainForm::ShowAll()
{
    FillWeekdays(*grid_);
    TreeModel->setImages(AppPictures::treeImages());
    TreeView1->setModel(TreeModel);
    connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { TreeView1Change(); });
}

void TMainForm::selectToday()
{
    const QModelIndex root = TreeModel->indexForCode(0);
    TreeView1->expand(root);
    const QDate today = QDate::currentDate();
    if (!DayGrid::IsValidDay(today.year(), today.month(), today.day()))
        return;
    TreeView1->expand(TreeModel->indexForCode(NodeCode::Encode(today.year())));
    TreeView1->expand(TreeModel->indexForCode(NodeCode::Encode(today.year(), today.month())));
    selectCode(NodeCode::Encode(today.year(), today.month(), today.day()));
}

int TMainForm::selectedCode() const
{
    const QModelIndex current = TreeView1->selectionModel() ? TreeView1->selectionModel()->currentIndex() : QModelIndex();
    if (!current.isValid() || !TreeView1->selectionModel()->isSelected(current))
        return -1;
    return DateTreeModel::codeOf(current);
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

void TMainForm::ShowInformation()
{
    const int code = selectedCode();
    if (code < 0)
        return;
    const Overview o = BuildOverview(*grid_, code, [this](double t) { return timeText(t); });

    ListView1->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(ListView1);
        ListView1->clear();
        QList<QTreeWidgetItem *> items;
        items.reserve(o.rows.size());
        for (const OverviewRow &row : o.rows) {
            auto *item = new QTreeWidgetItem(QStringList{row.when, row.what});
            if (row.target >= 0)
                item->setData(0, TargetRole, row.target);
            items.append(item);
        }
        ListView1->addTopLevelItems(items);
    }
    ListView1->setUpdatesEnabled(true);
    ListHeading->setText(o.heading);
    AddTerminBtn->setEnabled(o.isDay);
    DelTerminBtn->setEnabled(o.isDay && !ListView1->selectedItems().isEmpty());
    ListView1Change();
}

void TMainForm::ListView1DblClick()
{
    const QList<QTreeWidgetItem *> sel = ListView1->selectedItems();
    QTreeWidgetItem *item = ListView1->currentItem();
    if (!item || !item->isSelected())
        item = sel.isEmpty() ? nullptr : sel.first();
    if (!item)
        return;
    const QVariant target = item->data(0, TargetRole);
    if (target.isValid())
        selectCode(target.toInt());
}
