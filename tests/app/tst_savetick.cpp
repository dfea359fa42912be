// The save timer's tick: writes when something changed or the file on disk
// is gone, takes in a file others rewrote, and touches nothing otherwise.
#include "MainFormHarness.h"

#include "app/SpinEdit.h"
#include "store/FileStamp.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStatusBar>

using NodeCode::Encode;

namespace {
const int Y = 2031, M = 5, D = 14;

std::unique_ptr<TMainForm> withDay(MainFormHarness &h, std::initializer_list<const char *> names)
{
    return h.makeOnDay(QDate(Y, M, D), std::vector<std::string>(names.begin(), names.end()), true);
}

TSettings settingsIn(const QByteArray &bytes)
{
    DayGrid grid;
    TSettings s;
    if (!TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), grid, s).isEmpty())
        return TSettings{-1, -1, false};
    return s;
}
} // namespace

class TstSaveTick : public QObject {
    Q_OBJECT
private slots:
    void aTickAfterASaveWithNothingChangedWritesNothing()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a", "b"});
        QVERIFY(form);
        saveTick(*form); // the first tick writes: nothing was saved yet
        const FileStamp written = FileStamp::Of(h.dataPath());
        QVERIFY(written.exists);
        for (int i = 0; i < 3; ++i)
            saveTick(*form);
        // a rewrite goes through a new file renamed over the old one
        QCOMPARE(FileStamp::Of(h.dataPath()), written);

        // selecting a row whose values the editors already show changes nothing
        clickRow(*form, 0);
        saveTick(*form);
        const FileStamp afterSelect = FileStamp::Of(h.dataPath());
        saveTick(*form);
        QCOMPARE(FileStamp::Of(h.dataPath()), afterSelect);
    }

    void typedEditsAndSettingsReachTheFileAtTheNextTick()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(form);
        saveTick(*form);
        clickRow(*form, 0);
        NameEd(*form)->setFocus();
        NameEd(*form)->selectAll();
        QTest::keyClicks(NameEd(*form), QStringLiteral("Dentist"));
        QVERIFY(saveTimer(*form).isActive());
        QVERIFY(!h.fileBytes().contains("Dentist"));
        saveTick(*form);
        QVERIFY(h.fileBytes().contains("Dentist"));

        // the check interval lives in the same file
        gmin(*form)->setFocus();
        gmin(*form)->selectAll();
        QTest::keyClicks(gmin(*form), QStringLiteral("7"));
        QCOMPARE(gmin(*form)->value(), 7);
        saveTick(*form);
        QCOMPARE(settingsIn(h.fileBytes()).checkMinutes, 7);
    }

    void aFileRemovedIsWrittenAgainOneRewrittenIsTakenIn()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(form);
        saveTick(*form);
        const QByteArray ours = h.fileBytes();

        QVERIFY(QFile::remove(h.dataPath()));
        saveTick(*form);
        QCOMPARE(h.fileBytes(), ours);

        // Same size, same modification time, other bytes, written in place:
        // only the inode's change time (or, within the same tick of the
        // file system's clock, the contents) tells. The window takes the
        // file as it now is, and the tick leaves it so.
        QByteArray other = ours;
        other[other.size() - 4] = 1; // "Start program minimized", little-endian
        {
            QFile f(h.dataPath());
            QVERIFY(f.open(QIODevice::ReadWrite));
            const QDateTime modified = f.fileTime(QFileDevice::FileModificationTime);
            QCOMPARE(f.write(other), other.size());
            f.flush();
            QVERIFY(f.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        saveTick(*form);
        QCOMPARE(h.fileBytes(), other);
        QVERIFY(MinimiertCheck(*form)->isChecked());

        // Truncated by someone else long ago: kept aside, and the store
        // written whole again.
        {
            QFile f(h.dataPath());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        saveTick(*form);
        QCOMPARE(h.fileBytes(), other);
        QVERIFY(QFileInfo::exists(h.dataPath() + QStringLiteral(".bad")));
    }

    // The disk fills while the name of a new appointment is typed: the
    // tick's failure goes to the status bar and is tried again; no box
    // takes the keys, neither at the tick nor at the next Add, whose name is
    // typed at once. Delete shows the whole report.
    void aFailingTickLeavesTheKeyboardToTheEditor()
    {
        MainFormHarness h;
        auto form = withDay(h, {"a"});
        QVERIFY(form);
        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), NameEd(*form));
        // A folder where the save's temporary file goes fails every save.
        QVERIFY(QDir().mkpath(h.dataPath() + QStringLiteral(".saving/x")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Den"));
        saveTick(*form);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("tist"));
        QVERIFY2(h.boxes.isEmpty(), qPrintable(h.boxes.value(0).text));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("Dentist"));
        QVERIFY(StatusBar1(*form)->currentMessage().startsWith(QLatin1String("Not saved")));
        saveTick(*form);
        QVERIFY(h.boxes.isEmpty());

        QTest::mouseClick(AddTerminBtn(*form), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Vet"));
        QVERIFY2(h.boxes.isEmpty(), qPrintable(h.boxes.value(0).text));
        QCOMPARE(NameEd(*form)->text(), QStringLiteral("Vet"));
        h.answer = QMessageBox::Yes;
        QTest::mouseClick(DelTerminBtn(*form), Qt::LeftButton);
        QCOMPARE(h.boxes.size(), 2); // the question, then the report
        QVERIFY(QDir(h.dataPath() + QStringLiteral(".saving")).removeRecursively());
        saveTick(*form);
        QVERIFY(h.fileBytes().contains("Dentist"));
        QVERIFY(StatusBar1(*form)->currentMessage().isEmpty());
    }

    void aReminderAnswerReachesTheFileAtTheNextTick()
    {
        // Tomorrow noon with a lead of two days is due at any time today.
        const QDateTime due(QDate::currentDate().addDays(1), QTime(12, 0));
        MainFormHarness h;
        DayGrid grid;
        TTermin *t = grid.AddRecord(dayOf(grid, due));
        t->Name = "due";
        t->Time = 0.5;
        t->FirstRemind = 2;
        t->RepeatInterval = 1;
        h.writeStore(grid);
        auto form = h.make();
        saveTick(*form);
        const FileStamp before = FileStamp::Of(h.dataPath());

        h.reminders.script = {ReminderAnswer::Yes};
        checkTick(*form);
        QCOMPARE(h.reminders.asked, QStringList{"due"});
        QCOMPARE(FileStamp::Of(h.dataPath()), before); // the answer waits for the tick
        saveTick(*form);
        DayGrid after;
        TSettings s;
        const QByteArray bytes = h.fileBytes();
        QVERIFY(TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), after, s).isEmpty());
        QVERIFY(dayOf(after, due).records.At(0).LastReminded > 0);
    }
};

QTEST_MAIN(TstSaveTick)
#include "tst_savetick.moc"
