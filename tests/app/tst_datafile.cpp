// The main window and a data file it cannot simply write: one it could not
// read is never written over by any save, and joins the store once it can
// be read; a read-only one refuses saves while the store stays in memory;
// texts cross between the file and the editors in the file's code page.
#include "MainFormHarness.h"

#include "../store/SecondUser.h"
#include "app/SpinEdit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStatusBar>

#include <sys/stat.h>

namespace {

// 50 appointments on days of 2030, in the file.
QByteArray fiftyAppointments()
{
    DayGrid grid;
    for (int i = 0; i < 50; ++i)
        grid.AddRecord(grid.Slot(2030, 1 + i % 12, 1 + i % 28))->Name = "kept " + std::to_string(i);
    return TerminFile::Serialize(grid, TSettings{4, 30, false});
}

size_t recordsIn(const QByteArray &bytes)
{
    DayGrid grid;
    TSettings s;
    return TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), grid, s).isEmpty()
        ? grid.RecordCount()
        : size_t(-1);
}

// Types text as key presses; keyClicks takes Latin-1 characters only.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TstDataFile : public QObject {
    Q_OBJECT
private slots:
    void anUnreadableFileIsNeverWrittenOver()
    {
        MainFormHarness h;
        h.answer = QMessageBox::Yes;
        QVERIFY(second_user::OpenToSecondUser(h.dir.path()));
        const QByteArray fifty = fiftyAppointments();
        QVERIFY(WriteTerminBytes(h.dataPath(), fifty).ok);
        second_user::Guard as(h.dataPath());
        QVERIFY(as.ok());

        auto form = h.makeShown();
        QVERIFY(form);
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY2(h.boxes[0].text.contains(QLatin1String("could not open"))
                     && h.boxes[0].text.contains(QLatin1String("Nothing will be saved over it")),
                 qPrintable(h.boxes[0].text));

        // Add: the new appointment stays in memory, the save refuses and says why.
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(form->grid().RecordCount(), size_t(1));
        QCOMPARE(h.boxes.size(), 2);
        QVERIFY2(h.boxes[1].text.startsWith(QLatin1String("The appointments were not saved."))
                     && h.boxes[1].text.contains(h.dataPath()),
                 qPrintable(h.boxes[1].text));
        QCOMPARE(h.fileBytes(), QByteArray()); // still unreadable to this user
        as.end();
        QCOMPARE(h.fileBytes(), fifty);
        second_user::Guard again(h.dataPath());

        // An edit: the timer's tick refuses too, in the status bar only.
        NameEd(*form)->setFocus();
        NameEd(*form)->selectAll();
        QTest::keyClicks(NameEd(*form), QStringLiteral("Dentist"));
        saveTick(*form);
        QCOMPARE(h.boxes.size(), 2);
        QVERIFY(StatusBar1(*form)->currentMessage().startsWith(QLatin1String("Not saved")));

        // Delete: refused as well.
        clickRow(*form, 0);
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QCOMPARE(form->grid().RecordCount(), size_t(0));
        QCOMPARE(h.boxes.size(), 4); // the question, then the refusal
        QVERIFY(h.boxes[3].text.startsWith(QLatin1String("The appointments were not saved.")));
        again.end();
        QCOMPARE(h.fileBytes(), fifty);
        second_user::Guard third(h.dataPath());

        // The file becomes readable: the next save takes its appointments
        // in and writes them together with the new one.
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        third.grantRead();
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(form->grid().RecordCount(), size_t(52));
        QCOMPARE(recordsIn(h.fileBytes()), size_t(52));
        QCOMPARE(gmin(*form)->value(), 4);
        third.end();
    }

    void quittingDoesNotWriteOverAnUnreadableFile()
    {
        // The whole window runs as the second user here, quitting included.
        if (!second_user::Reaches(QStringLiteral("/")))
            QSKIP("the second user cannot read the system's folders (a chroot whose root is closed to others)");
        MainFormHarness h;
        QVERIFY(second_user::OpenToSecondUser(h.dir.path()));
        const QByteArray fifty = fiftyAppointments();
        QVERIFY(WriteTerminBytes(h.dataPath(), fifty).ok);
        {
            second_user::Guard as(h.dataPath());
            auto form = h.makeShown();
            QVERIFY(form);
            h.answer = QMessageBox::Ok;
            QTest::mouseClick(EndeBtn(*form), Qt::LeftButton);
            QVERIFY(!form->isVisible());
        }
        QCOMPARE(h.boxes.size(), 3); // could not open, quit question, refusal
        QVERIFY2(h.boxes[2].text.contains(QLatin1String("The appointments were not saved.")),
                 qPrintable(h.boxes[2].text));
        QCOMPARE(h.fileBytes(), fifty);
        QVERIFY(!QFile::exists(h.dataPath() + QStringLiteral(".saving")));
    }

    void aReadOnlyFileKeepsTheStoreInMemory()
    {
        MainFormHarness h;
        const QByteArray fifty = fiftyAppointments();
        QVERIFY(WriteTerminBytes(h.dataPath(), fifty).ok);
        QVERIFY(::chmod(QFile::encodeName(h.dataPath()).constData(), 0444) == 0);
        auto form = h.makeShown();
        QVERIFY(form);
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(form->grid().RecordCount(), size_t(51));
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY2(h.boxes[0].text.contains(QLatin1String("read-only")), qPrintable(h.boxes[0].text));
        QCOMPARE(h.fileBytes(), fifty);
        QVERIFY(::chmod(QFile::encodeName(h.dataPath()).constData(), 0644) == 0);
        saveTick(*form);
        QCOMPARE(recordsIn(h.fileBytes()), size_t(51));
    }

    // "€", typographic quotes, dashes and the ellipsis, typed and read.
    void typedTextsAreStoredInTheCodePage()
    {
        MainFormHarness h;
        DayGrid grid;
        const QDate today = QDate::currentDate();
        grid.AddRecord(grid.Slot(today.year(), today.month(), today.day()))->Name =
            "\x84"
            "Caf\xe9\x93 \x80"
            "5";
        h.writeStore(grid);
        auto form = h.makeShown();
        QVERIFY(form);
        QCOMPARE(ListView1(*form)->model()->index(0, 1).data().toString(), QStringLiteral("„Café“ €5"));
        clickRow(*form, 0);
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("„Café“ €5"));
        NameEd(*form)->setFocus();
        NameEd(*form)->selectAll();
        typeText(NameEd(*form), QStringLiteral("Rent – 500 € … Ω"));
        saveTick(*form);
        QVERIFY(h.fileBytes().contains("Rent \x96 500 \x80 \x85 ?"));
    }
};

QTEST_MAIN(TstDataFile)
#include "tst_datafile.moc"
