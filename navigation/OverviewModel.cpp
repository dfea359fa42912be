#include "navigation/OverviewModel.h"

#include "store/DayGrid.h"

OverviewModel::OverviewModel(std::function<QString(double)> timeText, QObject *parent)
    : QAbstractTableModel(parent), timeText_(std::move(timeText))
{
}

void OverviewModel::setOverview(Overview o)
{
    beginResetModel();
    overview_ = std::move(o);
    endResetModel();
}

int OverviewModel::targetAt(int row) const
{
    if (overview_.day || row < 0 || row >= overview_.rows.size())
        return -1;
    return overview_.rows[row].target;
}

void OverviewModel::recordChanged(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, 1), {Qt::DisplayRole});
}

int OverviewModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (overview_.day)
        return static_cast<int>(overview_.dayRows);
    return static_cast<int>(overview_.rows.size());
}

int OverviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant OverviewModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const int row = index.row();
    if (overview_.day) {
        // The day may have lost records since the last reset; show nothing
        // for rows that no longer have one rather than read past the array.
        const TDynaArray<TTermin> &records = overview_.day->records;
        if (static_cast<uint32_t>(row) >= records.Count())
            return {};
        const TTermin &t = records.At(static_cast<size_t>(row));
        return index.column() == 0 ? timeText_(t.Time) : ShortLine(t.Name);
    }
    if (row >= overview_.rows.size())
        return {};
    const OverviewRow &r = overview_.rows[row];
    return index.column() == 0 ? r.when : r.what;
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("When?");
    if (section == 1)
        return tr("What?");
    return {};
}

Qt::ItemFlags OverviewModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
