// Building the date tree and selecting today: the light model against the
// same 38,204 nodes as widget items, measured in the same run.
#include "BenchUtil.h"

#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "store/DayGrid.h"

#include <QApplication>
#include <QDate>
#include <QTreeView>
#include <QTreeWidget>

namespace {

void buildModelTree(DayGrid &)
{
    QTreeView view;
    DateTreeModel model;
    view.setModel(&model);
    const QDate today = QDate::currentDate();
    view.expand(model.indexForCode(0));
    view.expand(model.indexForCode(NodeCode::Encode(today.year())));
    view.expand(model.indexForCode(NodeCode::Encode(today.year(), today.month())));
    const QModelIndex day = model.indexForCode(NodeCode::Encode(today.year(), today.month(), today.day()));
    view.selectionModel()->setCurrentIndex(day, QItemSelectionModel::ClearAndSelect);
    view.scrollTo(day);
}

void buildWidgetTree()
{
    QTreeWidget tree;
    tree.setUpdatesEnabled(false);
    auto *root = new QTreeWidgetItem(QStringList{QStringLiteral("Years")});
    QTreeWidgetItem *selected = nullptr;
    const QDate today = QDate::currentDate();
    for (int y = DayGrid::FirstYear; y <= DayGrid::LastYear; ++y) {
        auto *year = new QTreeWidgetItem(root, QStringList{QString::number(y)});
        for (int m = 1; m <= 12; ++m) {
            auto *month = new QTreeWidgetItem(year, QStringList{NodeCode::MonthName(m)});
            for (int d = 1, n = DayGrid::DaysInMonth(y, m); d <= n; ++d) {
                auto *day = new QTreeWidgetItem(month, QStringList{DateTreeModel::caption(NodeCode::Encode(y, m, d))});
                if (QDate(y, m, d) == today)
                    selected = day;
            }
        }
    }
    tree.addTopLevelItem(root);
    tree.setUpdatesEnabled(true);
    if (selected) {
        tree.setCurrentItem(selected);
        tree.scrollToItem(selected);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DayGrid grid;
    buildModelTree(grid); // warm up fonts and styles
    const double model = bench::medianMs(9, [&] { buildModelTree(grid); });
    const double widgets = bench::medianMs(5, [] { buildWidgetTree(); });
    std::printf("date tree of 38,204 nodes, built and today selected\n");
    return bench::report("tree: model vs widget items", model, widgets, 0.25) ? 0 : 1;
}
