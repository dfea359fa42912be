// Changes reaching the file and the last save when the program ends: the
// reminder's answers start the save timer like an edit, and a last save
// that fails keeps the store in a side file, reporting in a box only when
// the user ended the program (otherwise on standard error and to the
// desktop's notification service, here a recorder on a private bus).
#include "MainFormHarness.h"

#include "app/UnsavedStore.h"
#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QPushButton>
#include <QThread>

#include <sys/mount.h>

namespace {

// Answers the reminder that is open next by clicking one of its buttons.
void clickWhenOpen(TTerminForm &dialog, QPushButton *(TTerminForm::*button)() const, std::function<void()> then = {})
{
    QTimer::singleShot(0, &dialog, [&dialog, button, then] {
        QVERIFY(dialog.isVisible());
        QPushButton *b = (dialog.*button)();
        QTRY_VERIFY(b->isEnabled()); // past the dialog's first moment
        if (then)
            then();
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    });
}

// An hour from now, perhaps tomorrow: with a lead of a day it is due now.
QDateTime dueAnyTime()
{
    return QDateTime::currentDateTime().addSecs(3600);
}

QStringList sideFilesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("appointments.dat.unsaved-*")}, QDir::Files);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes every save of the data file fail: its temporary file cannot be made.
void blockSaves(const MainFormHarness &h)
{
    QVERIFY(QDir().mkpath(h.dataPath() + QStringLiteral(".saving/x")));
}

// The notification service, on its own bus connection and thread so the
// program's blocking call can be answered.
class Recorder : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList summaries, bodies;
public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        summaries << summary;
        bodies << body;
        return 1;
    }
};

} // namespace

class TstEndings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A private session bus for the notification tests; the others see
        // no service on it.
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (bus_.waitForStarted() && bus_.waitForReadyRead(10000))
            busAddress_ = QString::fromLatin1(bus_.readLine().trimmed());
        if (!busAddress_.isEmpty())
            qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress_.toLatin1());
        else
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        xdgData_.reset(new QTemporaryDir);
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdgData_->path()));
    }

    void cleanupTestCase()
    {
        bus_.kill();
        bus_.waitForFinished();
    }

    void everyAnswerButCancelStartsTheSaveTimer()
    {
        MainFormHarness h;
        const QDateTime soon = dueAnyTime();
        DayGrid grid;
        for (const char *name : {"stop", "later", "cancelled"})
            addDue(grid, soon, name);
        h.writeStore(grid);
        auto form = h.make();
        TTerminForm dialog;
        TerminFormAnswers answers(dialog);
        form->setAnswerProvider(&answers, &dialog);
        QVERIFY(!saveTimer(*form).isActive());

        // The first answer reaches the file while the second reminder is
        // still open: the timer runs by then.
        bool runningAtSecond = false, runningAtThird = false;
        clickWhenOpen(dialog, &TTerminForm::DontRemindBtn, [&] {
            clickWhenOpen(dialog, &TTerminForm::RemindLaterBtn, [&] {
                runningAtSecond = saveTimer(*form).isActive();
                clickWhenOpen(dialog, &TTerminForm::CancelAllBtn,
                              [&] { runningAtThird = saveTimer(*form).isActive(); });
            });
        });
        checkTick(*form);
        QVERIFY(runningAtSecond);
        QVERIFY(runningAtThird);
        QVERIFY(saveTimer(*form).isActive());

        // The timer's next tick writes both answers.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                DayGrid back;
                TSettings s;
                const QByteArray bytes = h.fileBytes();
                if (!TerminFile::Parse(bytes.constData(), bytes.size(), back, s).isEmpty())
                    return false;
                const TTerminDay &day = dayOf(back, soon);
                return day.records.Count() == 3 && day.records.At(0).Done && day.records.At(0).LastReminded > 0
                    && !day.records.At(1).Done && day.records.At(1).LastReminded > 0
                    && day.records.At(2).LastReminded == 0;
            }(),
            10000);
    }

    void cancelAllAloneChangesNothingAndStartsNothing()
    {
        MainFormHarness h;
        const QDateTime soon = dueAnyTime();
        DayGrid grid;
        addDue(grid, soon, "cancelled");
        h.writeStore(grid);
        auto form = h.make();
        TTerminForm dialog;
        TerminFormAnswers answers(dialog);
        form->setAnswerProvider(&answers, &dialog);
        clickWhenOpen(dialog, &TTerminForm::CancelAllBtn);
        checkTick(*form);
        QVERIFY(!saveTimer(*form).isActive());
    }

    void failedLastSaveAtASignalKeepsTheStoreBesideWithoutABox()
    {
        MainFormHarness h;
        DayGrid grid;
        addDue(grid, QDateTime(QDate(2031, 5, 17), QTime(9, 30)), "kept");
        h.writeStore(grid);
        const QByteArray before = h.fileBytes();
        auto form = h.make();
        form->grid().RecordAt(form->grid().Slot(2031, 5, 17), 0)->Name = "changed";
        const QByteArray expected = TerminFile::Serialize(form->grid(), form->settings());
        blockSaves(h);

        Recorder recorder;
        QThread thread;
        QDBusConnection service = serve(recorder, thread);
        form->EndNow(TMainForm::Ending::Signal);
        thread.quit();
        thread.wait();

        QVERIFY2(h.boxes.isEmpty(), qPrintable(h.boxes.value(0).text));
        QCOMPARE(h.fileBytes(), before);
        const QStringList kept = sideFilesIn(h.dir.path());
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readAll(h.dir.filePath(kept[0])), expected);
        QVERIFY(form->lastEndingReport().contains(h.dir.filePath(kept[0])));
        if (service.isConnected()) {
            QCOMPARE(recorder.summaries, QStringList{QStringLiteral("Kalvix could not save the appointments")});
            QCOMPARE(recorder.bodies, QStringList{form->lastEndingReport()});
        } else {
            qWarning("no private session bus (dbus-daemon missing): notification not checked");
        }
        QDBusConnection::disconnectFromBus(service.name());
    }

    void failedLastSaveAtQuitIsShownAndKept()
    {
        MainFormHarness h;
        auto form = h.make();
        QVERIFY(form->grid().AddRecord(form->grid().Slot(2030, 1, 2)));
        const QByteArray expected = TerminFile::Serialize(form->grid(), form->settings());
        blockSaves(h);
        // An earlier side file is never replaced.
        const QString earlier = h.dir.filePath(QStringLiteral("appointments.dat.unsaved-20000101-000000"));
        QFile f(earlier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier");
        f.close();

        h.answer = QMessageBox::Discard; // "Quit anyway"
        form->QuitNow();
        QCOMPARE(h.boxes.size(), 2);
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Quit program"));
        h.boxes.removeFirst();
        QCOMPARE(h.boxes[0].caption, QStringLiteral("Error"));
        QCOMPARE(h.boxes[0].text, form->lastEndingReport());
        QCOMPARE(readAll(earlier), QByteArray("earlier"));
        const QStringList kept = sideFilesIn(h.dir.path());
        QCOMPARE(kept.size(), 2);
        const QString ours = h.dir.filePath(kept.last() == QFileInfo(earlier).fileName() ? kept.first() : kept.last());
        QCOMPARE(readAll(ours), expected);
        QVERIFY(h.boxes[0].text.contains(QDir::toNativeSeparators(ours)));
    }

    void aFullDiskSendsTheStoreToTheUsersDataFolder()
    {
        MainFormHarness h;
        const QString mountPoint = h.dir.filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(mountPoint));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("Mounting a small tmpfs is not allowed here (needs root).");
        const auto unmount = qScopeGuard([&] { ::umount(QFile::encodeName(mountPoint).constData()); });
        auto form = std::make_unique<TMainForm>(mountPoint);
        form->setAnswerProvider(&h.reminders, nullptr);
        for (int i = 0; i < 3; ++i)
            form->grid().AddRecord(form->grid().Slot(2040, 3, 4))->Description = std::string(60000, 'd');
        const QByteArray expected = TerminFile::Serialize(form->grid(), form->settings());
        QVERIFY(expected.size() > 256 * 1024);

        form->EndNow(TMainForm::Ending::Logout);
        QVERIFY(h.boxes.isEmpty());
        QVERIFY(sideFilesIn(mountPoint).isEmpty());
        const QString fallback = UnsavedStoreFallbackFolder();
        QVERIFY(fallback.startsWith(xdgData_->path()));
        const QStringList kept = sideFilesIn(fallback);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readAll(QDir(fallback).filePath(kept[0])), expected);
        QVERIFY(form->lastEndingReport().contains(QDir(fallback).filePath(kept[0])));
        // Nothing half-written is left on the full disk.
        QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }

    // Quit on a full disk: the user is asked before anything ends, and may
    // free space and try again, quit anyway (the store goes to the user's
    // data folder, and the box says where), or stay.
    void aFullDiskAtQuitOffersToTryAgain_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("keptAside");
        QTest::newRow("try again after making room") << QList<int>{QMessageBox::Retry} << true << true << false;
        QTest::newRow("try again while still full, then stay")
            << QList<int>{QMessageBox::Retry, QMessageBox::Retry, QMessageBox::Cancel} << false << false << false;
        QTest::newRow("quit anyway") << QList<int>{QMessageBox::Discard} << true << false << true;
        QTest::newRow("don't quit") << QList<int>{QMessageBox::Cancel} << false << false << false;
    }

    void aFullDiskAtQuitOffersToTryAgain()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, ended);
        QFETCH(bool, saved);
        QFETCH(bool, keptAside);
        MainFormHarness h;
        const QString mountPoint = h.dir.filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(mountPoint));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("Mounting a small tmpfs is not allowed here (needs root).");
        const auto unmount = qScopeGuard([&] { ::umount(QFile::encodeName(mountPoint).constData()); });
        const QString filler = QDir(mountPoint).filePath(QStringLiteral("filler"));
        {
            QFile f(filler);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(100 * 1024, 'f'));
        }
        auto form = std::make_unique<TMainForm>(mountPoint);
        form->setAnswerProvider(&h.reminders, nullptr);
        form->grid().AddRecord(form->grid().Slot(2040, 3, 4))->Description = std::string(40000, 'd');
        const QByteArray expected = TerminFile::Serialize(form->grid(), form->settings());
        for (const QString &kept : sideFilesIn(UnsavedStoreFallbackFolder()))
            QVERIFY(QFile::remove(QDir(UnsavedStoreFallbackFolder()).filePath(kept)));

        QStringList asked;
        Dialogs::SetHook([&](const QString &caption, const QString &text) {
            asked << caption + QLatin1Char(':') + text;
            if (caption != QLatin1String("Quit program"))
                return QMessageBox::Ok;
            const int answer = answers.value(asked.size() - 1, QMessageBox::Cancel);
            if (answer == QMessageBox::Retry && answers.size() == 1)
                QFile::remove(filler); // the user made room meanwhile
            return static_cast<QMessageBox::StandardButton>(answer);
        });
        // The window goes while the answers above are still there.
        const auto closeFirst = qScopeGuard([&] { form.reset(); });
        form->QuitNow();

        QVERIFY2(asked.value(0).contains(QLatin1String("Disk full")) && asked.value(0).contains(mountPoint)
                     && asked.value(0).contains(UnsavedStoreFallbackFolder()),
                 qPrintable(asked.value(0)));
        QVERIFY2(form->acceptsCommands() != ended, qPrintable(asked.join(QLatin1String("\n----\n"))));
        QCOMPARE(readAll(QDir(mountPoint).filePath(QStringLiteral("appointments.dat"))) == expected, saved);
        const QStringList kept = sideFilesIn(UnsavedStoreFallbackFolder());
        QCOMPARE(kept.size(), keptAside ? 1 : 0);
        if (keptAside) {
            QCOMPARE(readAll(QDir(UnsavedStoreFallbackFolder()).filePath(kept[0])), expected);
            QVERIFY(asked.last().contains(QDir(UnsavedStoreFallbackFolder()).filePath(kept[0])));
            // The advice works from another folder: it names the data file's whole path.
            QVERIFY(asked.last().contains(QStringLiteral("move that file to \"%1\"")
                                              .arg(QDir(mountPoint).filePath(QStringLiteral("appointments.dat")))));
        }
        QCOMPARE(QDir(mountPoint).entryList({QStringLiteral("*.saving")}, QDir::Files | QDir::System), QStringList());
    }

private:
    QDBusConnection serve(Recorder &recorder, QThread &thread)
    {
        if (busAddress_.isEmpty())
            return QDBusConnection(QStringLiteral("none"));
        thread.start();
        recorder.moveToThread(&thread);
        QDBusConnection c = QDBusConnection::connectToBus(busAddress_, QStringLiteral("notification-service"));
        c.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &recorder, QDBusConnection::ExportAllSlots);
        c.registerService(QStringLiteral("org.freedesktop.Notifications"));
        return c;
    }

    QProcess bus_;
    QString busAddress_;
    std::unique_ptr<QTemporaryDir> xdgData_;
};

QTEST_MAIN(TstEndings)
#include "tst_endings.moc"
