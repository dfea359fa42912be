// Another program writes the data file while the window runs: a backup
// copied back, a file renamed over it by a syncing tool. The window shows
// the file as it now is, and no later save (a signal, an Add, the timer)
// writes over it; changes made in the window meanwhile are merged in.
#include "MainFormHarness.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStatusBar>

#include <cstdio>

#include <unistd.h>

namespace {
const int Y = 2031, M = 5, D = 14;

// `count` appointments: the first three on the day the window shows, the
// rest spread over 2032.
QByteArray storeOf(int count, const char *prefix)
{
    DayGrid grid;
    for (int i = 0; i < count; ++i) {
        TTerminDay &slot = i < 3 ? grid.Slot(Y, M, D) : grid.Slot(2032, 1 + i % 12, 1 + i % 28);
        TTermin *t = grid.AddRecord(slot);
        t->Name = std::string(prefix) + std::to_string(i);
        t->Time = 0.5;
    }
    return TerminFile::Serialize(grid, TSettings{});
}

// The names on the shown day, then how many appointments the file holds.
QStringList namesIn(const QByteArray &bytes)
{
    DayGrid grid;
    TSettings s;
    QStringList names;
    if (!TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), grid, s).isEmpty())
        return {QStringLiteral("(unreadable)")};
    const TTerminDay &slot = grid.Slot(Y, M, D);
    for (uint32_t i = 0; i < slot.records.Count(); ++i)
        names << QString::fromStdString(slot.records.Data()[i].Name);
    return names << QString::number(grid.RecordCount());
}

// As `cp` does: the same file truncated and written anew.
bool copyOver(const QString &path, const QByteArray &bytes)
{
    FILE *f = std::fopen(QFile::encodeName(path).constData(), "r+b");
    if (!f)
        return false;
    const bool ok = ::ftruncate(fileno(f), 0) == 0
        && std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    return std::fclose(f) == 0 && ok;
}

int rows(const TMainForm &form)
{
    return ListView1(form)->model()->rowCount();
}

} // namespace

class TstOutsideChange : public QObject {
    Q_OBJECT
private slots:
    void theFileAsOthersLeftItIsShownAndKept_data()
    {
        QTest::addColumn<bool>("byRename");
        QTest::addColumn<int>("outside");
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("editFirst");
        QTest::newRow("rewritten with 60, then SIGTERM") << true << 60 << "signal" << false;
        QTest::newRow("backup of 70 copied back, then SIGTERM") << false << 70 << "signal" << false;
        QTest::newRow("rewritten with 60, then Add") << true << 60 << "add" << false;
        QTest::newRow("backup of 70 copied back, then Add") << false << 70 << "add" << false;
        QTest::newRow("name edited, backup of 70 copied back, then the tick") << false << 70 << "tick" << true;
        QTest::newRow("name edited, rewritten with 60, then SIGTERM") << true << 60 << "signal" << true;
    }
    void theFileAsOthersLeftItIsShownAndKept()
    {
        QFETCH(bool, byRename);
        QFETCH(int, outside);
        QFETCH(QString, then);
        QFETCH(bool, editFirst);
        MainFormHarness h;
        h.answer = QMessageBox::Ok;
        QVERIFY(WriteTerminBytes(h.dataPath(), storeOf(50, "ours")).ok);
        auto form = h.makeShown();
        QVERIFY(form);
        selectNode(*form, NodeCode::Encode(Y, M, D));
        QCOMPARE(rows(*form), 3);
        if (editFirst) {
            clickRow(*form, 1);
            NameEd(*form)->setFocus();
            NameEd(*form)->selectAll();
            QTest::keyClicks(NameEd(*form), QStringLiteral("Dentist"));
            DescEd(*form)->setFocus();
            QTest::keyClicks(DescEd(*form), QStringLiteral("At te"));
        }

        // The outside version holds one more appointment on the shown day.
        const QByteArray theirs = storeOf(outside, "theirs");
        // A save goes through a new file renamed over the old one, as syncing
        // tools write.
        QVERIFY(byRename ? WriteTerminBytes(h.dataPath(), theirs).ok : copyOver(h.dataPath(), theirs));
        QTRY_VERIFY(form->grid().RecordCount() >= size_t(outside));
        QTRY_VERIFY(StatusBar1(*form)->currentMessage().contains(QLatin1String("changed by another program")));
        QCOMPARE(rows(*form), editFirst ? 4 : 3);
        if (editFirst) { // the typing goes on where it was
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("n"));
            QCOMPARE(DescEd(*form)->toPlainText(), QStringLiteral("At ten"));
        }
        const FileStamp seen = FileStamp::Of(h.dataPath());

        if (then == QLatin1String("signal"))
            form->EndNow(TMainForm::Ending::Signal);
        else if (then == QLatin1String("add"))
            QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        else
            saveTick(*form);
        QVERIFY2(h.boxes.isEmpty(), qPrintable(h.boxes.value(0).text));

        const QByteArray now = h.fileBytes();
        QStringList day{"theirs0", "theirs1", "theirs2"};
        if (editFirst)
            day << QStringLiteral("Dentist");
        if (then == QLatin1String("add"))
            day << QStringLiteral("No name");
        const int total = outside + static_cast<int>(day.size()) - 3;
        QCOMPARE(namesIn(now), day << QString::number(total));
        // Nothing changed inside: the file is not even rewritten.
        if (!editFirst && then == QLatin1String("signal"))
            QCOMPARE(FileStamp::Of(h.dataPath()), seen);
    }
};

QTEST_MAIN(TstOutsideChange)
#include "tst_outsidechange.moc"
