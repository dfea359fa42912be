#pragma once
// The overview list's view. A day may hold a million rows; selecting them
// all must not walk them.

#include <QTreeView>

class OverviewList : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

    // Ctrl+A: one selection range over every row. The tree view's own
    // select-all visits each row to build ranges a flat list never needs.
    void selectAll() override;

protected:
    // What to repaint when the selection changes: the whole screenful. The
    // tree view would look up where each range's first and last rows lie,
    // searching its row list from the last row it looked at, which for a
    // range ending a million rows away is a million steps per change.
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
};
