// Changes to the store that come from outside the window (the command line).
#include "app/MainUnit.h"

#include <QTreeView>
#include <QTreeWidget>

void TMainForm::ShowOutsideChange()
{
    // The overview is rebuilt from the store; the rows selected before stay
    // selected (added appointments come last in their day, so the indices
    // of those already shown still hold), and the record under edit is
    // looked up afresh, as the day's records may have moved in memory.
    QList<int> selectedRows;
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        if (ListView1->topLevelItem(row)->isSelected())
            selectedRows.append(row);
    const int currentRow = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    selected_ = nullptr;
    ShowInformation();
    if (!selectedRows.isEmpty() || currentRow >= 0) {
        const QSignalBlocker block(ListView1);
        if (QTreeWidgetItem *current = ListView1->topLevelItem(currentRow))
            ListView1->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
        for (int row : selectedRows)
            if (QTreeWidgetItem *item = ListView1->topLevelItem(row))
                item->setSelected(true);
    }
    ListView1Change();
    TreeView1->viewport()->update();
}
