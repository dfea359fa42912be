#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "navigation/Overview.h"
#include "store/DayGrid.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class TstDateTreeModel : public QObject {
    Q_OBJECT
private slots:
    void codesRoundTrip()
    {
        QCOMPARE(NodeCode::Encode(2024, 1, 5), 2024 * 416 + 32 + 5);
        const NodeCode::Parts p = NodeCode::Decode(NodeCode::Encode(2100, 12, 31));
        QCOMPARE(p.year, 2100);
        QCOMPARE(p.month, 12);
        QCOMPARE(p.day, 31);
        QCOMPARE(NodeCode::LevelOf(0), NodeCode::Level::Root);
        QCOMPARE(NodeCode::LevelOf(NodeCode::Encode(2000)), NodeCode::Level::Year);
        QCOMPARE(NodeCode::LevelOf(NodeCode::Encode(2000, 12)), NodeCode::Level::Month);
        QCOMPARE(NodeCode::LevelOf(NodeCode::Encode(2000, 12, 1)), NodeCode::Level::Day);
    }

    void shapeAndCaptions()
    {
        DateTreeModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 1);
        const QModelIndex root = model.index(0, 0);
        QCOMPARE(root.data().toString(), QStringLiteral("Years"));
        QCOMPARE(model.rowCount(root), 101);
        const QModelIndex y2000 = model.index(0, 0, root);
        QCOMPARE(y2000.data().toString(), QStringLiteral("2000"));
        QCOMPARE(model.index(100, 0, root).data().toString(), QStringLiteral("2100"));
        QCOMPARE(model.rowCount(y2000), 12);
        QCOMPARE(model.index(1, 0, y2000).data().toString(), QStringLiteral("February"));
        QCOMPARE(model.rowCount(model.index(1, 0, y2000)), 29);
        QCOMPARE(model.index(0, 0, model.index(0, 0, y2000)).data().toString(), QStringLiteral("1. Sa"));

        // 29 February exists in 2000 and 2096, not in 2100
        QVERIFY(model.indexForCode(NodeCode::Encode(2096, 2, 29)).isValid());
        QVERIFY(!model.indexForCode(NodeCode::Encode(2100, 2, 29)).isValid());
        QCOMPARE(model.rowCount(model.indexForCode(NodeCode::Encode(2100, 2))), 28);

        const QModelIndex last = model.indexForCode(NodeCode::Encode(2100, 12, 31));
        QCOMPARE(last.data().toString(), QStringLiteral("31. Fr"));
        QCOMPARE(last.data(DateTreeModel::CodeRole).toInt(), NodeCode::Encode(2100, 12, 31));
        QCOMPARE(model.parent(last), model.indexForCode(NodeCode::Encode(2100, 12)));
        QCOMPARE(model.parent(model.parent(last)).row(), 100);
        QVERIFY(!model.parent(root).isValid());
        QCOMPARE(model.indexForCode(NodeCode::Encode(2024, 1, 5)).data().toString(), QStringLiteral("5. Fr"));
    }

    void everyNodeIsReachable()
    {
        DateTreeModel model;
        int nodes = 0;
        std::function<void(const QModelIndex &)> walk = [&](const QModelIndex &parent) {
            for (int r = 0, n = model.rowCount(parent); r < n; ++r) {
                const QModelIndex child = model.index(r, 0, parent);
                ++nodes;
                if (model.indexForCode(DateTreeModel::codeOf(child)) != child || model.parent(child) != parent)
                    QFAIL(qPrintable(child.data().toString()));
                walk(child);
            }
        };
        walk(QModelIndex());
        QCOMPARE(nodes, 38204);
    }

    // The weekday is worked out for the day shown, at both ends of the
    // calendar too; the tree's caption and the overview agree on it.
    void weekdaysOfShownDays()
    {
        DayGrid grid;
        const struct {
            int y, m, d;
            const char *weekday;
        } days[] = {{2000, 1, 1, "Sa"}, {2024, 1, 5, "Fr"}, {2100, 12, 31, "Fr"}, {2024, 1, 7, "Su"}};
        for (const auto &day : days) {
            const QString weekday = QLatin1String(day.weekday);
            QCOMPARE(DateTreeModel::caption(NodeCode::Encode(day.y, day.m, day.d)),
                     QStringLiteral("%1. %2").arg(day.d).arg(weekday));
            QVERIFY(BuildOverview(grid, NodeCode::Encode(day.y, day.m, day.d))
                        .heading.startsWith(weekday + QLatin1Char(' ')));
        }
    }

    void selectedNodeUsesImageZero()
    {
        DateTreeModel model;
        QVector<QPixmap> images;
        for (const QColor c : {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan}) {
            QPixmap p(16, 16);
            p.fill(c);
            images.append(p);
        }
        model.setImages(images);
        const QIcon day = model.indexForCode(NodeCode::Encode(2024, 1, 5)).data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(day.pixmap(16, QIcon::Normal).toImage().pixelColor(8, 8), QColor(Qt::cyan));
        QCOMPARE(day.pixmap(16, QIcon::Selected).toImage().pixelColor(8, 8), QColor(Qt::red));
        const QIcon root = model.index(0, 0).data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(root.pixmap(16, QIcon::Normal).toImage().pixelColor(8, 8), QColor(Qt::green));
    }
};

QTEST_MAIN(TstDateTreeModel)
#include "tst_datetreemodel.moc"
