#include "store/DynaArray.h"

#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace {
struct Rec {
    int a = 0;
    double b = 0;
};

// Builds an array of the given values with `cursor` as its target.
void fill(TDynaArray<Rec> &arr, std::initializer_list<int> values)
{
    for (int v : values)
        arr.Add()->a = v;
}

QList<int> walk(TDynaArray<Rec> &arr, Rec *const &cursor)
{
    QList<int> seen;
    arr.First();
    while (arr.Next())
        seen << cursor->a;
    return seen;
}
} // namespace

class TstDynaArray : public QObject {
    Q_OBJECT
private slots:
    void addZeroesAndPublishesCursor()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        QCOMPARE(arr.CurrentIndex(), -1);
        Rec *first = arr.Add();
        QCOMPARE(first->a, 0);
        QCOMPARE(first->b, 0.0);
        first->a = 7;
        Rec *second = arr.Add();
        QCOMPARE(second->a, 0);
        QCOMPARE(cursor, second);
        QCOMPARE(arr.Current(), second);
        QCOMPARE(arr.CurrentIndex(), 1);
        QCOMPARE(arr.Count(), 2u);
        QCOMPARE(arr.Item(0)->a, 7);
        QCOMPARE(cursor, arr.Item(0));
        QCOMPARE(arr.CurrentIndex(), 0);
    }

    // Many at once, as a read fills a day: after what was there, zeroed,
    // the last one current and the owner's fill bit set.
    void appendAddsZeroedElementsAfterTheOthers()
    {
        Rec *cursor = nullptr;
        uint64_t fill = 0;
        TDynaArray<Rec> arr(&cursor);
        arr.WatchFill(&fill, 5);
        arr.Add()->a = 1;
        Rec *added = arr.Append(3);
        QCOMPARE(arr.Count(), 4u);
        QCOMPARE(added, arr.Data() + 1);
        QCOMPARE(arr.Data()[0].a, 1);
        for (int i = 1; i < 4; ++i)
            QVERIFY(arr.Data()[i].a == 0 && arr.Data()[i].b == 0.0);
        QCOMPARE(arr.CurrentIndex(), 3);
        QCOMPARE(cursor, arr.Data() + 3);
        QCOMPARE(fill, uint64_t(1) << 5);
        arr.Clear();
        QCOMPARE(fill, uint64_t(0));
        added = arr.Append(2);
        QCOMPARE(added, arr.Data());
        QCOMPARE(fill, uint64_t(1) << 5);
    }

    void deleteOutOfRangeChangesNothing()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {1, 2, 3});
        Rec *before = arr.Item(1);
        arr.Delete(-1);
        arr.Delete(3);
        QCOMPARE(arr.Count(), 3u);
        QCOMPARE(cursor, before);
        QCOMPARE(arr.CurrentIndex(), 1);
    }

    void deleteClearsCursorAndKeepsOrder()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {10, 20, 30, 40});
        arr.Delete(1);
        QCOMPARE(cursor, nullptr);
        QCOMPARE(arr.Current(), nullptr);
        QCOMPARE(arr.CurrentIndex(), -1);
        QCOMPARE(walk(arr, cursor), (QList<int>{10, 30, 40}));

        TDynaArray<Rec> two(&cursor);
        fill(two, {1, 2});
        two.Delete(0);
        QCOMPARE(walk(two, cursor), (QList<int>{2}));
    }

    void deleteIfRemovesAnySelectionInOnePass()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {10, 11, 12, 13, 14, 15, 16});
        std::vector<size_t> asked;
        arr.DeleteIf([&](size_t i) {
            asked.push_back(i);
            return i % 2 == 0;
        });
        // each index asked once, in order
        QCOMPARE(asked, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(walk(arr, cursor), (QList<int>{11, 13, 15}));

        // nothing selected: the cursor stays, as with an ignored Delete
        Rec *const before = arr.Item(1);
        arr.DeleteIf([](size_t) { return false; });
        QCOMPARE(arr.Count(), 3u);
        QCOMPARE(cursor, before);
        QCOMPARE(before->a, 13);

        arr.DeleteIf([](size_t) { return true; });
        QCOMPARE(arr.Count(), 0u);
        QCOMPARE(arr.Data(), nullptr);
        QCOMPARE(cursor, nullptr);
        QCOMPARE(arr.CurrentIndex(), -1);
        QCOMPARE(arr.Add()->a, 0);
    }

    void deleteIfMovesOwningElementsIntact()
    {
        TDynaArray<std::unique_ptr<std::string>> arr;
        for (int i = 0; i < 1000; ++i)
            *arr.Add() = std::make_unique<std::string>(std::to_string(i));
        arr.DeleteIf([](size_t i) { return i < 500 || i % 3 == 0; });
        QCOMPARE(arr.Count(), 333u);
        QCOMPARE(*arr.At(0), std::string("500"));
        QCOMPARE(*arr.At(332), std::string("998"));
    }

    void lastDeleteFreesAndNextAddIsFresh()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {5});
        arr.Delete(0);
        QCOMPARE(arr.Count(), 0u);
        QCOMPARE(arr.Data(), nullptr);
        Rec *r = arr.Add();
        QCOMPARE(r->a, 0);
        QCOMPARE(arr.Count(), 1u);
    }

    void emptyWalk()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {1, 2});
        arr.Item(1);
        arr.Delete(0);
        arr.Delete(0);
        arr.Item(0); // out of range now: ignored
        QCOMPARE(arr.CurrentIndex(), -1);
        arr.First();
        QCOMPARE(arr.CurrentIndex(), -1);
        QVERIFY(!arr.Next());
        QCOMPARE(cursor, nullptr);
    }

    void walkVisitsAllInOrderAndStops()
    {
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {1, 2, 3});
        QCOMPARE(walk(arr, cursor), (QList<int>{1, 2, 3}));
        QVERIFY(!arr.Next()); // index past the end stays past the end
        QCOMPARE(arr.CurrentIndex(), 3);
        // the cursor target keeps the last delivered element
        QCOMPARE(cursor->a, 3);
    }

    void nextWithoutFirstAfterAddStartsAtIndex()
    {
        // Add leaves the index on the new element; Next delivers it.
        Rec *cursor = nullptr;
        TDynaArray<Rec> arr(&cursor);
        fill(arr, {1, 2});
        QVERIFY(arr.Next());
        QCOMPARE(cursor->a, 2);
        QVERIFY(!arr.Next());
    }

    void swapMovesElementsNotTargets()
    {
        Rec *c1 = nullptr, *c2 = nullptr;
        TDynaArray<Rec> a(&c1), b(&c2);
        fill(a, {1});
        fill(b, {2, 3});
        a.SwapElements(b);
        QCOMPARE(c1, nullptr);
        QCOMPARE(c2, nullptr);
        QCOMPARE(walk(a, c1), (QList<int>{2, 3}));
        QCOMPARE(walk(b, c2), (QList<int>{1}));
    }
};

QTEST_APPLESS_MAIN(TstDynaArray)
#include "tst_dynaarray.moc"
