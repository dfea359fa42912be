#include "app/OverviewList.h"

#include <QItemSelectionModel>

void OverviewList::selectAll()
{
    QAbstractItemModel *m = model();
    QItemSelectionModel *selection = selectionModel();
    const SelectionMode mode = selectionMode();
    if (!m || !selection || mode == SingleSelection || mode == NoSelection)
        return;
    const QModelIndex root = rootIndex();
    const int rows = m->rowCount(root), columns = m->columnCount(root);
    if (rows == 0 || columns == 0)
        return;
    selection->select(QItemSelection(m->index(0, 0, root), m->index(rows - 1, columns - 1, root)),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QRegion OverviewList::visualRegionForSelection(const QItemSelection &) const
{
    return QRegion(viewport()->rect());
}
