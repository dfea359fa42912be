// Changes to the store that come from outside the window (the command line).
#include "app/MainUnit.h"

#include <QItemSelectionModel>
#include <QTreeView>

void TMainForm::ShowOutsideChange()
{
    // The overview is rebuilt from the store; the rows selected before stay
    // selected (added appointments come last in their day, so the rows of
    // those already shown keep their numbers), and the record under edit is
    // looked up afresh, as the day's records may have moved in memory.
    QItemSelectionModel *selection = ListView1->selectionModel();
    QList<int> selectedRows;
    for (const QModelIndex &index : selection->selectedRows())
        selectedRows.append(index.row());
    const int currentRow = selection->currentIndex().isValid() ? selection->currentIndex().row() : -1;
    selected_ = {};
    ShowInformation();
    if (!selectedRows.isEmpty() || currentRow >= 0) {
        QAbstractItemModel *model = ListView1->model();
        QItemSelection rows;
        for (int row : selectedRows)
            if (row < model->rowCount())
                rows.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
        const QSignalBlocker block(selection);
        if (currentRow >= 0 && currentRow < model->rowCount())
            selection->setCurrentIndex(model->index(currentRow, 0), QItemSelectionModel::NoUpdate);
        selection->select(rows, QItemSelectionModel::ClearAndSelect);
        ListView1->viewport()->update();
    }
    ListView1Change();
    TreeView1->viewport()->update();
}
