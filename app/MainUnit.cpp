// The main window's life: creation, first showing, closing, destruction,
// the file and the timers.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
#include "app/SpinEdit.h"
#include "navigation/DateTreeModel.h"
#include "navigation/OverviewModel.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/locale/LocaleTexts.h"
#include "platform/notify/DesktopNotifier.h"
#include "reminders/Clock.h"
#include "reminders/CheckInterval.h"
#include "reminders/ReminderCheck.h"

#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QStatusBar>
#include <QScreen>
#include <QTreeView>

#include <functional>

// The check is built with the main window, the reminder dialog only after
// it; this hands the questions on to whoever answers them by then.
class TMainForm::Answers : public ReminderAnswers {
public:
    explicit Answers(TMainForm &form) : form_(form) {}
    ReminderAnswers *target = nullptr;
    int Ask(const QString &heading, const QString &name, const QString &description) override
    {
        // Without anyone to ask, change nothing.
        if (!target)
            return ReminderAnswer::Cancel;
        const quint64 notice = form_.announceReminder(heading, name);
        const int answer = target->Ask(heading, name, description);
        form_.withdrawReminder(notice);
        // Any answer but "Cancel all" is written into the record right after
        // this returns, before the event loop runs again; the save timer then
        // brings it to the file as it does an edit.
        if (answer != ReminderAnswer::Cancel)
            form_.restartSaveTimer();
        return answer;
    }

private:
    TMainForm &form_;
};

TMainForm::TMainForm(const QString &programDir, QWidget *parent)
    : QMainWindow(parent), programDir_(programDir)
{
    buildLayout();
    connectHandlers();
    FormCreate();
}

TMainForm::~TMainForm()
{
    FormDestroy();
    // The list reads a day's records whenever it lays out or paints, and
    // the widgets go only after the store: let it show nothing from here on.
    if (ListModel)
        ListModel->setOverview(Overview());
}

void TMainForm::FormCreate()
{
    // Message boxes and dialogs block this window, not the whole program
    // (the tray icon stays usable).
    Dialogs::SetModalOwner(this);
    if (programDir_.isEmpty())
        programDir_ = QCoreApplication::applicationDirPath();
    if (!programDir_.endsWith(QLatin1Char('/')) && !programDir_.endsWith(QDir::separator()))
        programDir_ += QLatin1Char('/');

    nativeDataPath_ = QFile::encodeName(dataPath());
    grid_ = std::make_unique<DayGrid>();

    Timer1.setInterval(1000);
    Timer2.setInterval(30000);
    Timer3.setInterval(500);
    for (QTimer *t : {&Timer1, &Timer2, &Timer3}) {
        t->setTimerType(Qt::CoarseTimer);
        t->setParent(this);
    }
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer3.setObjectName(QStringLiteral("Timer3"));
    clock_ = std::make_unique<SystemClock>();
    answers_ = std::make_unique<Answers>(*this);
    check_ = std::make_unique<ReminderCheck>(*grid_, *clock_, *answers_);
    Timer2.start();

    if (QFileInfo::exists(dataPath()))
        OpenTermins();

    ShowAll();
    selectToday();

    addTrayIcon();

    // Centre on the screen the window will appear on.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { FormDestroy(); });
}

QString TMainForm::dataPath() const
{
    return TerminFile::PathIn(programDir_);
}

TSettings TMainForm::settings() const
{
    TSettings s;
    s.checkMinutes = gmin->value();
    s.checkSeconds = gsec->value();
    s.startMinimized = MinimiertCheck->isChecked();
    return s;
}

void TMainForm::applySettings(const TSettings &s)
{
    // Each control runs its handler only when its value really changes.
    gmin->setClampedValue(s.checkMinutes);
    gsec->setClampedValue(s.checkSeconds);
    MinimiertCheck->setChecked(s.startMinimized);
}

QString TMainForm::aboutDataFile(const QString &message) const
{
    // The file may live beside the program or in the user's data folder;
    // the message says which file it is about.
    return message + QStringLiteral("\n\nFile: ") + QDir::toNativeSeparators(dataPath());
}

void TMainForm::reportFileFailure(const TerminFile::Outcome &outcome)
{
    // The last save before the program ends reports its own way (no box
    // where nobody is there to close it).
    if (failureSink_) {
        *failureSink_ = outcome.message;
        return;
    }
    // A failing save repeats every second; one report at a time is enough,
    // and the next tick after it is closed reports again if still failing.
    if (reportOpen_)
        return;
    reportOpen_ = true;
    Dialogs::ShowError(this, aboutDataFile(outcome.message));
    reportOpen_ = false;
}

void TMainForm::SaveTermins()
{
    const uint64_t changes = grid_->ChangeCount();
    const TSettings s = settings();
    if (writeBytes(TerminFile::Serialize(*grid_, s))) {
        saved_.valid = true;
        saved_.changes = changes;
        saved_.settings = s;
        saved_.file = FileStamp::Of(nativeDataPath_);
    }
}

bool TMainForm::writeBytes(const QByteArray &bytes)
{
    if (!unreadFile_.isEmpty()) {
        // A file that can be read again joins the store first, so what is
        // written holds both.
        if (recheckUnreadFile())
            return writeBytes(TerminFile::Serialize(*grid_, settings()));
        // The file holds appointments this run never saw: writing the store
        // over it would destroy them. Refuse, and say so every time; as a
        // box for the first refusal and whenever the user asked for the
        // save, in the status bar for the timer's repeats.
        TerminFile::Outcome refused;
        refused.ok = false;
        refused.message = QStringLiteral("The appointments were not saved. %1").arg(unreadFile_);
        StatusBar1->showMessage(QStringLiteral("Not saved: the data file could not be read"));
        if (!timerSave_ || !unreadReported_) {
            unreadReported_ = true;
            reportFileFailure(refused);
        }
        return false;
    }
    const TerminFile::Outcome o = WriteTerminBytes(dataPath(), bytes);
    if (!o.ok) {
        saved_.valid = false;
        reportFileFailure(o);
        return false;
    }
    return true;
}

bool TMainForm::recheckUnreadFile()
{
    // While a reminder is open its record is looked up by position after the
    // answer; a merge now would move records under it. Try again later.
    if (check_->checking())
        return false;
    TSettings s = settings();
    const TerminFile::Recheck r = RecheckUnreadFile(dataPath(), *grid_, s);
    if (r.state == TerminFile::Recheck::StillUnread) {
        if (!r.outcome.message.isEmpty())
            unreadFile_ = r.outcome.message + QStringLiteral(" Nothing will be saved over it until it can be read "
                                                             "or is moved away.");
        return false;
    }
    unreadFile_.clear();
    StatusBar1->clearMessage();
    if (r.state == TerminFile::Recheck::Merged) {
        grid_->NoteChange();
        selected_ = {};
        applySettings(s);
        if (destroyed_)
            Timer1.stop(); // the settings' handlers restart it; this is the last save
        ShowInformation();
        StatusBar1->showMessage(QStringLiteral("The data file could be read now; its appointments were added"), 10000);
    } else if (!r.outcome.ok) {
        reportFileFailure(r.outcome);
    }
    return true;
}

bool TMainForm::unchangedSinceSave() const
{
    // A missing file is always written: had it been taken away between our
    // rename and the stamp taken after it, the stamp would read "absent" and
    // a comparison with "absent" now would call that unchanged for good.
    return saved_.valid && saved_.changes == grid_->ChangeCount() && saved_.settings == settings()
        && saved_.file.exists && saved_.file == FileStamp::Of(nativeDataPath_);
}

void TMainForm::OpenTermins()
{
    TSettings s = settings();
    const TerminFile::Outcome o = ::OpenTermins(dataPath(), *grid_, s);
    selected_ = {};
    if (!o.ok) {
        if (o.unread) {
            unreadFile_ = o.message;
            unreadReported_ = true; // the box below says saves will refuse
        }
        Dialogs::ShowError(this, aboutDataFile(o.message));
        return;
    }
    applySettings(s);
}

void TMainForm::CheckTermins()
{
    // An answer changes its record (when it was reminded, done): the
    // detail panel shows the record as it now is. Refilling stores
    // nothing, the editors' handlers only store what differs.
    if (check_->CheckTermins().asked > 0 && IsTerminSelected())
        ListView1Change();
}

void TMainForm::setAnswerProvider(ReminderAnswers *answers, QDialog *dialog)
{
    answers_->target = answers;
    reminderDialog_ = dialog;
    if (dialog)
        Dialogs::TieToOwner(*dialog);
}

void TMainForm::showEvent(QShowEvent *event)
{
    // Program entry runs FormShow before the first show(); this covers any
    // other first showing.
    FormShow();
    QMainWindow::showEvent(event);
}

void TMainForm::FormShow()
{
    if (shownOnce_)
        return;
    shownOnce_ = true;
    CheckTermins();
    if (MinimiertCheck->isChecked() && !showRequested_)
        Timer3.start();
}

void TMainForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange) {
        LocaleTexts::Reload();
        ShowInformation();
    }
    QMainWindow::changeEvent(event);
}

void TMainForm::restartSaveTimer()
{
    // Every edit comes through here; the count tells the next tick that
    // there is something to write.
    if (grid_)
        grid_->NoteChange();
    Timer1.stop();
    Timer1.start();
}

void TMainForm::Timer1Timer()
{
    timerSave_ = true;
    const auto done = qScopeGuard([this] { timerSave_ = false; });
    // The timer runs until a double click on the tray icon, so most ticks
    // find nothing new: no change since the last save and the file on disk
    // still the one it wrote. Those build and write nothing. Any change, or
    // a file removed or rewritten behind our back, is written now.
    if (!unchangedSinceSave())
        SaveTermins();
}

void TMainForm::Timer2Timer()
{
    CheckTermins();
}

void TMainForm::Timer3Timer()
{
    Timer3.stop();
    Anzeigen1Click();
}

void TMainForm::gminChange()
{
    ApplyCheckInterval(Timer2, CheckIntervalMs(gmin->value(), gsec->value()));
    restartSaveTimer();
}

void TMainForm::MinimiertCheckClick()
{
    restartSaveTimer();
}

void TMainForm::ManTerminsBtnClick()
{
    CheckTermins();
}

void TMainForm::EndeBtnClick()
{
    close();
}

void TMainForm::MinimizeBtnClick()
{
    Anzeigen1Click();
}
