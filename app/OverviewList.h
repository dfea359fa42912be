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
};
