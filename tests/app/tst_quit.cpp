// "Quit" from the tray while a reminder is open. It ends the process's
// event loops, so it has a test program of its own.
#include "MainFormHarness.h"

#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

class TstQuit : public QObject {
    Q_OBJECT
private slots:
    void quitDuringAReminderCancelsItAndSaves()
    {
        MainFormHarness h;
        DayGrid grid;
        const QDateTime soon = dueSoon();
        if (!soon.isValid())
            QSKIP("too close to midnight to place an appointment later today");
        for (const char *name : {"first", "second"})
            addDue(grid, soon, name);
        h.writeStore(grid);

        auto form = h.make();
        TTerminForm dialog;
        TerminFormAnswers answers(dialog);
        form->setAnswerProvider(&answers, &dialog);
        bool quitWhileOpen = false;
        QTimer::singleShot(0, [&] {
            quitWhileOpen = dialog.isVisible();
            form->QuitNow();
        });
        QFile::remove(h.dataPath());
        checkTick(*form);
        QVERIFY(quitWhileOpen);
        QVERIFY(h.boxes.isEmpty()); // no close question

        // Both records were saved unreminded: the open one as "Cancel all",
        // the next one never asked.
        DayGrid back;
        TSettings s;
        const QByteArray bytes = h.fileBytes();
        QVERIFY(TerminFile::Parse(bytes.constData(), bytes.size(), back, s).isEmpty());
        const TTerminDay &saved = dayOf(back, soon);
        QCOMPARE(saved.records.Count(), 2u);
        QCOMPARE(saved.records.At(0).LastReminded, 0.0);
        QCOMPARE(saved.records.At(1).LastReminded, 0.0);
        QVERIFY(!checkTimer(*form).isActive());
    }
};

QTEST_MAIN(TstQuit)
#include "tst_quit.moc"
