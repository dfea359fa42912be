// The appointment texts' code page: exact in both directions for every
// byte, "?" for what it cannot hold, and the file's bytes kept through a
// load and a save.
#include "store/CodePage.h"
#include "store/TerminFile.h"

#include <QTemporaryDir>
#include <QtTest>

class TstCodePage : public QObject {
    Q_OBJECT
private slots:
    void everyByteComesBackUnchanged()
    {
        std::string all;
        for (int b = 1; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString text = DecodeAnsi(all);
        QCOMPARE(text.size(), qsizetype(255));
        int lost = -1;
        QCOMPARE(EncodeAnsi(text, &lost), all);
        QCOMPARE(lost, 0);
        // Distinct bytes give distinct characters, so nothing can merge.
        QSet<QChar> seen(text.begin(), text.end());
        QCOMPARE(seen.size(), qsizetype(255));
    }

    void theHighRangeHoldsTheTypographicCharacters()
    {
        const struct {
            unsigned char byte;
            char16_t unicode;
        } known[] = {{0x80, u'€'}, {0x84, u'„'}, {0x85, u'…'}, {0x8A, u'Š'}, {0x93, u'“'},   {0x94, u'”'},
                     {0x96, u'–'}, {0x97, u'—'}, {0x99, u'™'}, {0x9F, u'Ÿ'}, {0xA0, 0x00A0}, {0xE9, u'é'}};
        for (const auto &k : known) {
            const char b = static_cast<char>(k.byte);
            QCOMPARE(DecodeAnsi(std::string_view(&b, 1)), QString(QChar(k.unicode)));
            QCOMPARE(EncodeAnsi(QString(QChar(k.unicode))), std::string(1, b));
        }
        // 27 of the 32 bytes are printable characters; the other five
        // stand for the control character of their own number.
        int assigned = 0;
        for (int b = 0x80; b <= 0x9F; ++b) {
            const char c = static_cast<char>(b);
            const QChar ch = DecodeAnsi(std::string_view(&c, 1)).at(0);
            if (ch.unicode() == b)
                QVERIFY(b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D);
            else
                ++assigned;
        }
        QCOMPARE(assigned, 27);
    }

    void charactersOutsideBecomeOneQuestionMarkEach()
    {
        int lost = 0;
        // Greek, Cyrillic, CJK, an emoji (a surrogate pair), and C1
        // controls that no byte stands for.
        const QString text = QStringLiteral("a\u03A9b\u0436\u4E2D\U0001F600\u0080\u009Ac€");
        QCOMPARE(EncodeAnsi(text, &lost),
                 std::string("a?b?"
                             "?"
                             "?"
                             "?"
                             "?c\x80"));
        QCOMPARE(lost, 6);
        QCOMPARE(EncodeAnsi(QString()), std::string());
    }

    // A file written by another program with any bytes in its texts reads
    // into the same characters and writes back byte for byte.
    void aFileKeepsItsBytesThroughLoadAndSave()
    {
        QTemporaryDir dir;
        const QString path = TerminFile::PathIn(dir.path());
        std::string all;
        for (int b = 1; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2040, 2, 29));
        t->Name = std::string("\x80 \x84quoted\x93 \x96 \x85 \x81\x8D\x8F\x90\x9D");
        t->Description = all;
        QVERIFY(SaveTermins(path, grid, TSettings()).ok);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();

        DayGrid loaded;
        TSettings s;
        QVERIFY(OpenTermins(path, loaded, s).ok);
        TTermin &r = *loaded.RecordAt(loaded.Slot(2040, 2, 29), 0);
        QCOMPARE(DecodeAnsi(r.Name.view()), QStringLiteral("€ „quoted“ – … \u0081\u008D\u008F\u0090\u009D"));
        // What an editor would store for the characters it shows.
        r.Name = EncodeAnsi(DecodeAnsi(r.Name.view()));
        r.Description = EncodeAnsi(DecodeAnsi(r.Description.view()));
        QVERIFY(SaveTermins(path, loaded, s).ok);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(TstCodePage)
#include "tst_codepage.moc"
