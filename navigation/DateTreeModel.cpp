#include "navigation/DateTreeModel.h"

#include "navigation/NodeCode.h"
#include "store/DayGrid.h"

using NodeCode::Decode;
using NodeCode::Encode;
using NodeCode::Level;

DateTreeModel::DateTreeModel(QObject *parent) : QAbstractItemModel(parent) {}

void DateTreeModel::setImages(const QVector<QPixmap> &images)
{
    icons_.clear();
    for (int level = 1; level <= 4 && level < images.size(); ++level) {
        QIcon icon;
        icon.addPixmap(images[level], QIcon::Normal);
        icon.addPixmap(images[0], QIcon::Selected);
        icons_.append(icon);
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(0, 0), {Qt::DecorationRole});
}

int DateTreeModel::codeOf(const QModelIndex &index)
{
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex DateTreeModel::indexForCode(int code) const
{
    const NodeCode::Parts p = Decode(code);
    switch (NodeCode::LevelOf(code)) {
    case Level::Root:
        return code == 0 ? createIndex(0, 0, quintptr(0)) : QModelIndex();
    case Level::Year:
        return p.year >= DayGrid::FirstYear && p.year <= DayGrid::LastYear
            ? createIndex(p.year - DayGrid::FirstYear, 0, quintptr(code))
            : QModelIndex();
    case Level::Month:
        return p.year >= DayGrid::FirstYear && p.year <= DayGrid::LastYear && p.month <= 12
            ? createIndex(p.month - 1, 0, quintptr(code))
            : QModelIndex();
    case Level::Day:
        return DayGrid::IsValidDay(p.year, p.month, p.day) ? createIndex(p.day - 1, 0, quintptr(code)) : QModelIndex();
    }
    return QModelIndex();
}

QModelIndex DateTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return QModelIndex();
    if (!parent.isValid())
        return createIndex(0, 0, quintptr(0));
    const int code = codeOf(parent);
    const NodeCode::Parts p = Decode(code);
    switch (NodeCode::LevelOf(code)) {
    case Level::Root:
        return createIndex(row, 0, quintptr(Encode(DayGrid::FirstYear + row)));
    case Level::Year:
        return createIndex(row, 0, quintptr(Encode(p.year, row + 1)));
    case Level::Month:
        return createIndex(row, 0, quintptr(Encode(p.year, p.month, row + 1)));
    case Level::Day:
        break;
    }
    return QModelIndex();
}

QModelIndex DateTreeModel::parent(const QModelIndex &child) const
{
    const int code = codeOf(child);
    const NodeCode::Parts p = Decode(code);
    switch (NodeCode::LevelOf(code)) {
    case Level::Root:
        return QModelIndex();
    case Level::Year:
        return createIndex(0, 0, quintptr(0));
    case Level::Month:
        return createIndex(p.year - DayGrid::FirstYear, 0, quintptr(Encode(p.year)));
    case Level::Day:
        return createIndex(p.month - 1, 0, quintptr(Encode(p.year, p.month)));
    }
    return QModelIndex();
}

int DateTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return 1;
    if (parent.column() != 0)
        return 0;
    const int code = codeOf(parent);
    const NodeCode::Parts p = Decode(code);
    switch (NodeCode::LevelOf(code)) {
    case Level::Root:
        return DayGrid::Years;
    case Level::Year:
        return 12;
    case Level::Month:
        return DayGrid::DaysInMonth(p.year, p.month);
    case Level::Day:
        return 0;
    }
    return 0;
}

bool DateTreeModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

int DateTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant DateTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Dates");
    return {};
}

QString DateTreeModel::caption(int code)
{
    const NodeCode::Parts p = Decode(code);
    switch (NodeCode::LevelOf(code)) {
    case Level::Root:
        return tr("Years");
    case Level::Year:
        return QString::number(p.year);
    case Level::Month:
        return NodeCode::MonthName(p.month);
    case Level::Day:
        return NodeCode::DayCaption(p.year, p.month, p.day);
    }
    return QString();
}

QVariant DateTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int code = codeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return caption(code);
    case Qt::DecorationRole: {
        const int level = static_cast<int>(NodeCode::LevelOf(code));
        return level < icons_.size() ? QVariant(icons_[level]) : QVariant();
    }
    case CodeRole:
        return code;
    default:
        return QVariant();
    }
}

Qt::ItemFlags DateTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (NodeCode::LevelOf(codeOf(index)) == Level::Day)
        f |= Qt::ItemNeverHasChildren;
    return f;
}
