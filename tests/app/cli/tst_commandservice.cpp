// Commands carried out by the running program: they see what its window
// holds, show their change in it at once and write the file at once, or
// leave everything as it was.
#include "../MainFormHarness.h"
#include "../../store/SecondUser.h"

#include "app/CommandService.h"
#include "app/cli/StoreAccess.h"
#include "platform/instance/SingleInstance.h"

#include <QLineEdit>

namespace {

const QDate Day(2027, 6, 15);

TTermin termin(const char *name)
{
    TTermin t;
    t.Name = name;
    t.Time = 0.5;
    t.FirstRemind = 3;
    t.RepeatInterval = 1;
    return t;
}

QStringList rows(TMainForm &form)
{
    QStringList out;
    for (int i = 0; i < listRows(form); ++i)
        out << listText(form, i, 1);
    return out;
}

} // namespace

class TestCommandService : public QObject {
    Q_OBJECT
private slots:
    void addShowsAtOnceKeepsTheEditAndWritesTheFile()
    {
        MainFormHarness h;
        DayGrid grid;
        *grid.AddRecord(grid.Slot(2027, 6, 15)) = termin("Old");
        h.writeStore(grid);
        auto form = h.make();
        SingleInstance instance(h.dataPath());
        CommandService service(*form, instance);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        selectNode(*form, NodeCode::Encode(2027, 6, 15));
        clickRow(*form, 0);
        // An edit the save timer has not written yet.
        NameEd(*form)->setFocus();
        NameEd(*form)->selectAll();
        QTest::keyClicks(NameEd(*form), QStringLiteral("Edited"));
        QVERIFY(saveTimer(*form).isActive());

        // What a command sees is the window's store, edit included.
        CommandProtocol::Answer a = service.Serve(StoreAccess::SnapshotVerb, QByteArray());
        QCOMPARE(a.status, CommandProtocol::Answer::Ok);
        DayGrid seen;
        TSettings settings;
        QVERIFY(TerminFile::Parse(a.payload.constData(), size_t(a.payload.size()), seen, settings).isEmpty());
        QVERIFY(seen.Slot(2027, 6, 15).records.At(0).Name == "Edited");

        a = service.Serve(StoreAccess::AddVerb,
                          StoreAccess::AddRequest({{Day, termin("New")}, {Day.addDays(1), termin("Next day")}}, false,
                                                  false));
        QCOMPARE(a.status, CommandProtocol::Answer::Ok);
        QCOMPARE(a.payload, QByteArray("2 0"));
        QCOMPARE(rows(*form), (QStringList{"Edited", "New"}));
        // The row being edited stays selected, with its record.
        QVERIFY(rowSelected(*form, 0));
        QVERIFY(!rowSelected(*form, 1));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("Edited"));
        QTest::keyClicks(NameEd(*form), QStringLiteral("!"));
        QVERIFY(recordAt(*form, 2027, 6, 15, 0).Name == "Edited!");
        QVERIFY(recordAt(*form, 2027, 6, 15, 1).Name == "New");

        // On disk at once, without waiting for the save timer.
        DayGrid onDisk;
        QVERIFY(OpenTermins(h.dataPath(), onDisk, settings).ok);
        QCOMPARE(onDisk.Slot(2027, 6, 15).records.Count(), 2u);
        QCOMPARE(onDisk.Slot(2027, 6, 16).records.Count(), 1u);
        QVERIFY(h.boxes.isEmpty());
    }

    // The file (50) is root's with mode 600 and the window runs as another
    // user: an add is refused; once the file is handed to that user, the
    // next add joins its appointments, and the ending writes nothing more.
    void aFileHandedOverLaterKeepsItsAppointments()
    {
        if (!second_user::IsRoot())
            QSKIP("needs root to hand the file over with chown");
        MainFormHarness h;
        QVERIFY(second_user::OpenToSecondUser(h.dir.path()));
        if (!second_user::Reaches(h.dir.path()))
            QSKIP("the second user cannot reach the test's folder (a chroot whose root is closed to others)");
        DayGrid grid;
        for (int i = 0; i < 50; ++i)
            *grid.AddRecord(grid.Slot(2030, 1 + i % 12, 1 + i % 28)) = termin("kept");
        h.writeStore(grid);
        const QByteArray add = StoreAccess::AddRequest({{Day, termin("New")}}, false, false);
        auto recordsOnDisk = [&h] {
            DayGrid onDisk;
            TSettings s;
            return OpenTermins(h.dataPath(), onDisk, s).ok ? onDisk.RecordCount() : size_t(0);
        };
        second_user::Guard as(h.dataPath());
        QVERIFY(as.ok());
        auto form = h.make();
        SingleInstance instance(h.dataPath());
        CommandService service(*form, instance);
        QCOMPARE(service.Serve(StoreAccess::AddVerb, add).status, CommandProtocol::Answer::Failed);
        as.end();
        QCOMPARE(recordsOnDisk(), size_t(50));

        QVERIFY(::chown(QFile::encodeName(h.dataPath()).constData(), second_user::Nobody, second_user::Nobody) == 0);
        second_user::Guard again;
        QCOMPARE(service.Serve(StoreAccess::AddVerb, add).status, CommandProtocol::Answer::Ok);
        QCOMPARE(form->grid().RecordCount(), size_t(51));
        form->EndNow(TMainForm::Ending::Signal);
        again.end();
        QCOMPARE(recordsOnDisk(), size_t(51));
    }

    void failedWriteTakesTheChangeBack()
    {
        MainFormHarness h;
        auto form = h.make();
        SingleInstance instance(h.dataPath());
        CommandService service(*form, instance);
        selectNode(*form, NodeCode::Encode(2027, 6, 15));
        // A folder where the save's temporary file would go makes every save fail.
        QVERIFY(QDir().mkdir(h.dataPath() + QStringLiteral(".saving")));
        const CommandProtocol::Answer a = service.Serve(StoreAccess::AddVerb,
                                                        StoreAccess::AddRequest({{Day, termin("New")}}, false, false));
        QCOMPARE(a.status, CommandProtocol::Answer::Failed);
        QVERIFY2(QString::fromUtf8(a.payload).contains(h.dataPath()), a.payload.constData());
        QCOMPARE(form->grid().RecordCount(), size_t(0));
        QCOMPARE(rows(*form).filter(QStringLiteral("New")), QStringList());
        QVERIFY(h.boxes.isEmpty()); // reported to the command, not in a box nobody asked for
    }

    void windowMessagesAboutTheFileNameItsPath()
    {
        // The file may be beside the program or in the user's data folder:
        // every report says which one.
        MainFormHarness h;
        QFile f(h.dataPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("damaged");
        f.close();
        auto form = h.makeShown();
        QVERIFY(form);
        QVERIFY(QDir().mkdir(h.dataPath() + QStringLiteral(".saving")));
        selectNode(*form, NodeCode::Encode(2027, 6, 15));
        // Add reports a failed save in the status bar only; Delete is a save
        // the user asked for and answers with a box.
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        h.answer = QMessageBox::Yes;
        QTest::mouseClick(DelTerminBtn(*form), Qt::LeftButton);
        int reports = 0;
        for (const Box &box : h.boxes) {
            if (box.text.startsWith(QStringLiteral("Do you really want")))
                continue; // the question before the delete
            ++reports;
            QVERIFY2(box.text.endsWith(QStringLiteral("File: ") + h.dataPath()), qPrintable(box.text));
        }
        QCOMPARE(reports, 2); // the damaged file at the start, the failed save
    }

    void refusesWhileEndingAndUnknownOrBrokenRequests()
    {
        MainFormHarness h;
        auto form = h.make();
        SingleInstance instance(h.dataPath());
        CommandService service(*form, instance);
        QCOMPARE(service.Serve("frobnicate", QByteArray()).status, CommandProtocol::Answer::Failed);
        QCOMPARE(service.Serve(StoreAccess::AddVerb, QByteArray("\0\0garbage", 9)).status,
                 CommandProtocol::Answer::Failed);
        QCOMPARE(form->grid().RecordCount(), size_t(0));
        form->QuitNow(); // the tray's "Quit": the window ends with its save
        QCOMPARE(service.Serve(StoreAccess::SnapshotVerb, QByteArray()).status, CommandProtocol::Answer::Retry);
    }
};

QTEST_MAIN(TestCommandService)
#include "tst_commandservice.moc"
