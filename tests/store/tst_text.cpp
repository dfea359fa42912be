#include "store/TerminFile.h"
#include "store/Text.h"

#include <QtTest>

class TstText : public QObject {
    Q_OBJECT
private slots:
    void ownedTextsStopAtANul()
    {
        TText t(std::string("ab\0cd", 5));
        QCOMPARE(t.size(), size_t(2));
        QCOMPARE(std::strcmp(t.c_str(), "ab"), 0);
        t = "";
        QVERIFY(t.empty());
        QCOMPARE(std::strcmp(t.c_str(), ""), 0);
    }

    void copiesNeverShareStorage()
    {
        char storage[] = "view\0";
        TText view = TText::View(storage, 4);
        QVERIFY(view.isView());
        TText copy = view;
        QVERIFY(!copy.isView());
        storage[0] = 'X';
        QCOMPARE(copy, std::string("view"));
        QCOMPARE(view, std::string("Xiew"));
        TText moved = std::move(view);
        QVERIFY(moved.isView());
        QVERIFY(view.empty());
        // a text read with bytes after a NUL ends there; a copy keeps them all
        char nul[] = "ab\0cd";
        const TText withNul = TText::View(nul, 5);
        QCOMPARE(TText(withNul).stored(), std::string_view("ab\0cd", 5));
    }

    // Loaded texts point into the file's bytes, terminated where the next
    // field was; every record must read back whole and independent.
    void loadedTextsAreTerminatedAndIndependent()
    {
        DayGrid grid;
        TTermin *a = grid.AddRecord(grid.Slot(2000, 1, 1));
        a->Name = "first";
        a->Description = "line\r\nline";
        TTermin *b = grid.AddRecord(grid.Slot(2000, 1, 1));
        b->Name = "x";
        grid.AddRecord(grid.Slot(2000, 1, 2))->Description = "last one";
        const QByteArray bytes = TerminFile::Serialize(grid, TSettings());

        DayGrid back;
        TSettings s;
        QVERIFY(TerminFile::Parse(bytes.constData(), bytes.size(), back, s).isEmpty());
        const TTerminDay &day = back.Slot(2000, 1, 1);
        QCOMPARE(std::strcmp(day.records.At(0).Name.c_str(), "first"), 0);
        QCOMPARE(std::strcmp(day.records.At(0).Description.c_str(), "line\r\nline"), 0);
        QCOMPARE(std::strcmp(day.records.At(1).Name.c_str(), "x"), 0);
        QCOMPARE(std::strcmp(back.Slot(2000, 1, 2).records.At(0).Description.c_str(), "last one"), 0);
        QVERIFY(day.records.At(0).Name.isView());

        // an edited text owns its characters; the others are untouched
        TTermin *edited = back.RecordAt(back.Slot(2000, 1, 1), 0);
        edited->Name = "renamed and longer than before";
        QVERIFY(!edited->Name.isView());
        QCOMPARE(day.records.At(1).Name, std::string("x"));
        QCOMPARE(TerminFile::Serialize(back, s).size(), bytes.size() + 25);
    }
};

QTEST_APPLESS_MAIN(TstText)
#include "tst_text.moc"
