#pragma once
// The date tree as a light item model: "Years", then every year from 2000
// to 2100, its months and its days. Nodes are not stored; each index
// carries its node code and everything else is derived from it, so the
// 38,204 nodes cost nothing to build.

#include <QAbstractItemModel>
#include <QIcon>
#include <QVector>

class DayGrid;

class DateTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr int CodeRole = Qt::UserRole + 1;

    explicit DateTreeModel(QObject *parent = nullptr);

    // Images by index: 0 for the selected node, 1 root, 2 year, 3 month, 4 day.
    void setImages(const QVector<QPixmap> &images);

    QModelIndex indexForCode(int code) const;
    static int codeOf(const QModelIndex &index);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    // The header is hidden, but screen readers still read its caption.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;

    // Caption of a node: "Years", "2024", "January", "5. Fr".
    static QString caption(int code);

private:
    QVector<QIcon> icons_; // by level, each with image 0 as its selected look
};
