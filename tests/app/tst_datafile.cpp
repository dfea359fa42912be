// The main window and a data file it cannot simply write: one it could not
// read is never written over by any save, and joins the store once it can
// be read; a read-only one refuses saves while the store stays in memory;
// texts cross between the file and the editors in the file's code page;
// showing a record and editing beside it keep every byte it was read with.
#include "EditingDay.h"

#include "../store/SecondUser.h"
#include "app/SpinEdit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QDir>
#include <QStatusBar>
#include <QTabBar>

#include <QDataStream>

#include <cmath>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// One record entry as another writer puts it in the file, never reminded.
QByteArray entry(double time, double first, double repeat, char done, const QByteArray &name, const QByteArray &desc)
{
    QByteArray r;
    QDataStream out(&r, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << time << 0.0 << first << repeat << qint8(done) << qint32(name.size());
    out.writeRawData(name.constData(), int(name.size()));
    out << qint32(desc.size());
    out.writeRawData(desc.constData(), int(desc.size()));
    return r;
}

// A file whose only filled day is the editing tests' day, with two records.
QByteArray fileWithDay(const QByteArray &records)
{
    const int day = DayGrid::DayNumber(EditingDay::Y, EditingDay::M, EditingDay::D);
    return TerminFile::Serialize(DayGrid(), TSettings()).replace(4 * day, 4, "\2\0\0\0"_ba + records);
}

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

        // Add: the new appointment stays in memory, the save refuses and says
        // why in the status bar (the name is typed next, no box takes it).
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(form->grid().RecordCount(), size_t(1));
        QCOMPARE(h.boxes.size(), 1);
        const QString note = StatusBar1(*form)->currentMessage();
        QVERIFY2(note.startsWith(QLatin1String("Not saved: the data file could not be read: "))
                     && note.contains(QLatin1String("Permission denied")),
                 qPrintable(note));            // and why
        QCOMPARE(h.fileBytes(), QByteArray()); // still unreadable to this user
        as.end();
        QCOMPARE(h.fileBytes(), fifty);
        second_user::Guard again(h.dataPath());

        // An edit: the timer's tick refuses too, in the status bar only.
        NameEd(*form)->setFocus();
        NameEd(*form)->selectAll();
        QTest::keyClicks(NameEd(*form), QStringLiteral("Dentist"));
        saveTick(*form);
        QCOMPARE(h.boxes.size(), 1);
        QVERIFY(StatusBar1(*form)->currentMessage().startsWith(QLatin1String("Not saved")));

        // Delete: refused as well, in a box.
        clickRow(*form, 0);
        QTest::keyClick(ListView1(*form), Qt::Key_Delete);
        QCOMPARE(form->grid().RecordCount(), size_t(0));
        QCOMPARE(h.boxes.size(), 3); // the question, then the refusal
        QVERIFY2(h.boxes[2].text.startsWith(QLatin1String("The appointments were not saved."))
                     && h.boxes[2].text.contains(h.dataPath())
                     && h.boxes[2].text.count(QLatin1String("Nothing will be saved over it")) == 1,
                 qPrintable(h.boxes[2].text));
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

    // The ending cannot save over a file it never read: a side file only
    // when this run made something, holding just that, and no advice to
    // put it in the place of the unread file.
    void theEndingKeepsAsideOnlyWhatTheFileLacks_data()
    {
        QTest::addColumn<int>("added");
        QTest::newRow("nothing added") << 0;
        QTest::newRow("one appointment added") << 1;
    }
    void theEndingKeepsAsideOnlyWhatTheFileLacks()
    {
        QFETCH(int, added);
        MainFormHarness h;
        QVERIFY(second_user::OpenToSecondUser(h.dir.path()));
        const QByteArray fifty = fiftyAppointments();
        QVERIFY(WriteTerminBytes(h.dataPath(), fifty).ok);
        QString report;
        {
            second_user::Guard as(h.dataPath());
            auto form = h.makeShown();
            QVERIFY(form);
            for (int i = 0; i < added; ++i)
                QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
            form->EndNow(TMainForm::Ending::Signal);
            report = form->lastEndingReport();
        }
        QCOMPARE(h.fileBytes(), fifty);
        if (added && !second_user::Reaches(h.dir.path()))
            QSKIP("the second user cannot reach the test's folder to keep a side file there");
        const QStringList side = QDir(h.dir.path()).entryList({QStringLiteral("appointments.dat.unsaved-*")});
        QCOMPARE(side.size(), added ? 1 : 0);
        QVERIFY2(!report.contains(QLatin1String("rename")), qPrintable(report));
        if (added) {
            QFile f(h.dir.filePath(side[0]));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(recordsIn(f.readAll()), size_t(added));
            QVERIFY2(report.contains(QLatin1String("holds the 1 appointment(s) of this run only")), qPrintable(report));
        } else {
            QVERIFY2(report.contains(QLatin1String("was left as it was")), qPrintable(report));
        }
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
        QVERIFY2(h.boxes.isEmpty(), qPrintable(h.boxes.value(0).text));
        QVERIFY2(StatusBar1(*form)->currentMessage().contains(QLatin1String("read-only")),
                 qPrintable(StatusBar1(*form)->currentMessage()));
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
        QTest::keyClick(NameEd(*form), Qt::Key_Home);
        typeText(NameEd(*form), QStringLiteral("λ"));
        // Shown as stored as soon as typed, the cursor staying after it.
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("?Rent – 500 € … ?"));
        QCOMPARE(NameEd(*form)->cursorPosition(), 1);
        QTest::mouseClick(DescEd(*form)->viewport(), Qt::LeftButton);
        typeText(DescEd(*form), QStringLiteral("a\u20acb"));
        QTest::keyClick(DescEd(*form), Qt::Key_Left);
        typeText(DescEd(*form), QStringLiteral("λ"));
        QCOMPARE(DescEd(*form)->toPlainText(), QStringLiteral("a\u20ac?b"));
        QCOMPARE(DescEd(*form)->textCursor().position(), 3);
        QCOMPARE(StatusBar1(*form)->currentMessage(),
                 u"Stored as \"?\": the data file's character set (Windows-1252) has no such character"_s);
        saveTick(*form);
        QVERIFY(h.fileBytes().contains("Rent \x96 500 \x80 \x85 ?"));
    }

    // A value the editors cannot show exactly (from another program or
    // damage) is shown read-only with a note; showing it, typing into its
    // fields and editing another field of the record keep its bytes.
    void storedValuesSurviveShowingAndEditingBesideThem_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<char>("done");
        QTest::addColumn<double>("time");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("repeat");
        QTest::addColumn<QStringList>("readOnly"); // typed into in vain
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("nameEdited"); // or the description, beside them
        const QString nul = u"Shown up to a NUL character it holds; it is kept as it is."_s;
        const QString cannot = u"Cannot be shown here (stored as %1 days); it is kept as it is."_s;
        QTest::newRow("NUL in the name") << "ab\0cd"_ba
                                         << "text"_ba << char(0) << 0.5 << 3.0 << 1.0 << QStringList{"NameEd"} << nul
                                         << false;
        QTest::newRow("NUL in the description")
            << "a"_ba
            << "line\r\n\0tail\0"_ba << char(0) << 0.5 << 3.0 << 1.0 << QStringList{"DescEd"} << nul << true;
        QTest::newRow("Done byte 2") << "a"_ba
                                     << ""_ba << char(2) << 0.5 << 3.0 << 1.0 << QStringList{} << QString() << true;
        QTest::newRow("5e9 days to the first reminder")
            << "a"_ba
            << ""_ba << char(0) << 0.5 << 5e9 << 1.0 << QStringList{"day1", "hour1", "min1"} << cannot.arg("5000000000")
            << true;
        QTest::newRow("ten-digit repeat days")
            << "a"_ba
            << ""_ba << char(1) << 0.5 << 3.0 << 1234567890.25 << QStringList{"min2", "day2", "hour2"}
            << cannot.arg("1234567890.25") << false;
        QTest::newRow("no time") << "a"_ba
                                 << ""_ba << char(0) << std::nan("") << 3.0 << 1.0 << QStringList{"min", "hour"}
                                 << cannot.arg("nan") << true;
        QTest::newRow("time with a day in it")
            << "a"_ba
            << ""_ba << char(0) << 1.25 << 3.0 << 1.0 << QStringList{"hour", "min"} << cannot.arg("1.25") << false;
    }

    // A value the editors cannot show exactly (from another program or
    // damage) is shown read-only with a note; showing it, typing into its
    // fields and editing another field of the record keep its bytes.
    void storedValuesSurviveShowingAndEditingBesideThem()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, description);
        QFETCH(char, done);
        QFETCH(double, time);
        QFETCH(double, first);
        QFETCH(double, repeat);
        QFETCH(QStringList, readOnly);
        QFETCH(QString, note);
        QFETCH(bool, nameEdited);
        const QByteArray plain = entry(0.5, 3, 1, 0, "plain", "");
        MainFormHarness h;
        QVERIFY(WriteTerminBytes(h.dataPath(), fileWithDay(entry(time, first, repeat, done, name, description) + plain))
                    .ok);
        auto form = h.makeShown();
        QVERIFY(form && showActive(*form));
        clickNode(*form, NodeCode::Encode(EditingDay::Y, EditingDay::M, EditingDay::D));
        QTabBar *pages = nullptr; // the detail panel's, made at the first selection
        for (int shown = 0; shown < 2; ++shown) {
            clickRow(*form, 1);
            clickRow(*form, 0);
            pages = PageControl2(*form)->tabBar();
            QCOMPARE(doneCheck(*form)->isChecked(), done != 0);
            QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(readOnly.size() == 3 ? 1 : 0).center());
            for (const QString &field : readOnly) {
                auto *w = form->findChild<QWidget *>(field);
                QVERIFY2(w->property("readOnly").toBool(), qPrintable(field));
                QCOMPARE(w->toolTip(), note);
                typeInto(w, u"7"_s);
            }
        }
        QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(0).center());
        typeInto(nameEdited ? static_cast<QWidget *>(NameEd(*form)) : DescEd(*form), u"edited"_s);
        saveTick(*form);
        const QByteArray after = nameEdited ? entry(time, first, repeat, done, "edited", description)
                                            : entry(time, first, repeat, done, name, "edited");
        QCOMPARE(h.fileBytes().toHex(), fileWithDay(after + plain).toHex());
    }
};

QTEST_MAIN(TstDataFile)
#include "tst_datafile.moc"
