#pragma once
// The overview list's rows as an item model. A day's rows are its records
// themselves, read from the grid only for the rows a view asks about, so a
// day of a million appointments costs no text per row until it is painted.
// Period rows (month, year, all years) are few and built up front.

#include "navigation/Overview.h"

#include <QAbstractTableModel>

#include <functional>

class OverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `timeText` formats a time of day (a date-time fraction) the way the
    // list shows it.
    explicit OverviewModel(std::function<QString(double)> timeText, QObject *parent = nullptr);

    // Shows `o` instead of what was shown; views drop their selection.
    void setOverview(Overview o);
    const Overview &overview() const { return overview_; }

    // The tree node a row leads to on double-click, or -1.
    int targetAt(int row) const;
    // The record behind `row` was edited: views repaint it.
    void recordChanged(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    std::function<QString(double)> timeText_;
    Overview overview_;
};
