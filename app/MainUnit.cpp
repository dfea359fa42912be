// The main window's life: creation, first showing and the timers.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
#include "app/EditingHold.h"
#include "app/FileWatch.h"
#include "app/LastSeen.h"
#include "app/SpinEdit.h"
#include "app/StartupTrace.h"
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
#include <QSignalBlocker>
#include <QStatusBar>
#include <QScreen>
#include <QTreeView>
#include <QWindow>

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

// The parts made on demand are value-initialised: their fields start null.
TMainForm::TMainForm(const QString &programDir, QWidget *parent)
    : QMainWindow(parent), Ui::DetailPages(), Ui::OptionsFields(), programDir_(programDir)
{
    buildLayout();
    connectHandlers();
    StartupTrace::Mark("window built");
    FormCreate();
}

TMainForm::~TMainForm()
{
    // The next start tells what passes from now on.
    if (shownOnce_)
        LastSeen::Write(dataPath(), clock_->now());
    FormDestroy();
    // The list reads a day's records whenever it lays out or paints, and
    // the widgets go only after the store: let it show nothing from here on.
    if (ListModel)
        ListModel->setOverview(Overview());
}

namespace {
// The save timer writes the file every second while it runs; checks come
// every half minute until the "Check appointments every:" fields change the
// interval; a start minimised hides the window half a second after it first
// showed.
constexpr int SaveTickMs = 1000;
constexpr int FirstCheckMs = 30000;
constexpr int StartMinimizedDelayMs = 500;
} // namespace

void TMainForm::FormCreate()
{
    // Message boxes and dialogs block this window, not the whole program
    // (the tray icon stays usable).
    Dialogs::SetModalOwner(this);
    if (programDir_.isEmpty())
        programDir_ = QCoreApplication::applicationDirPath();
    if (!programDir_.endsWith(QLatin1Char('/')) && !programDir_.endsWith(QDir::separator()))
        programDir_ += QLatin1Char('/');

    grid_ = std::make_unique<DayGrid>();
    file_ = std::make_unique<StoreFile>(dataPath());

    Timer1.setInterval(SaveTickMs);
    Timer2.setInterval(FirstCheckMs);
    Timer3.setInterval(StartMinimizedDelayMs);
    WakeWatch.setParent(this);
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
    hold_ = std::make_unique<EditingHold>();
    check_->SetHold([this](const TTermin &r) { return &r == selectedTermin() && hold_->holding(); });
    // The held reminder comes once the typing is over, not a whole check
    // interval later.
    connect(hold_.get(), &EditingHold::released, this,
            [this] { QTimer::singleShot(0, this, [this] { CheckTermins(); }); });
    Timer2.start();

    OpenTermins();
    watchFile();
    StartupTrace::Mark("file read");

    ShowAll();
    selectToday();
    StartupTrace::Mark("tree and list");

    addTrayIcon();
    StartupTrace::Mark("tray icon");

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
    return settings_;
}

void TMainForm::applySettings(const TSettings &s)
{
    // As the fields would take them; a handler runs only for a real change.
    const TSettings now = s.clamped(), before = settings_;
    settings_ = now;
    if (gmin) {
        const QSignalBlocker b1(gmin), b2(gsec), b3(MinimiertCheck);
        gmin->setClampedValue(now.checkMinutes);
        gsec->setClampedValue(now.checkSeconds);
        MinimiertCheck->setChecked(now.startMinimized);
    }
    if (now.checkMinutes != before.checkMinutes || now.checkSeconds != before.checkSeconds)
        gminChange();
    if (now.startMinimized != before.startMinimized)
        MinimiertCheckClick();
}

void TMainForm::CheckTermins()
{
    // An answer changes its record (when it was reminded, done): the
    // detail panel shows the record as it now is. Refilling stores
    // nothing, the editors' handlers only store what differs.
    const ReminderCheck::Outcome o = check_->CheckTermins();
    if (o.held > 0)
        hold_->waitForRelease();
    if (o.asked > 0 && IsTerminSelected())
        ListView1Change();
}

const ReminderCheck &TMainForm::reminderCheck() const
{
    return *check_;
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
    if (QWindow *w = windowHandle())
        w->installEventFilter(this); // once: a second install only moves it
    followVisibility();
}

void TMainForm::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    followVisibility();
}

void TMainForm::FormShow()
{
    if (shownOnce_)
        return;
    shownOnce_ = true;
    CheckTermins();
    startWatchingTime();
    if (settings_.startMinimized && !showRequested_)
        Timer3.start();
}

void TMainForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange) {
        LocaleTexts::Reload();
        ShowInformation(ListRows::Kept);
    }
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
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
    // The timer runs until a double click on the tray icon, so most ticks
    // find nothing new: no change since the last save and the file on disk
    // still the one it wrote. Those build and write nothing.
    if (!unchangedSinceSave())
        SaveTermins(SaveKind::Tick);
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
    ApplyCheckInterval(Timer2, CheckIntervalMs(settings_.checkMinutes, settings_.checkSeconds));
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
