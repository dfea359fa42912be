#pragma once
// The main window: owns the day grid, the program directory, the timers and
// the tray icon for the whole run. Its controls come from MainForm.ui, the
// detail panel's under the list from DetailPages.ui and the options page's
// fields from OptionsFields.ui; they are private fields named as in the
// window's definition; its handlers are
// private methods named after the control and event they serve. From the
// outside the window offers only what the program's entry, the session, the
// command service and the tray need; tests find its controls by name.

#include "store/DayGrid.h"
#include "store/FileStamp.h"
#include "store/Settings.h"
#include "store/StoreFile.h"
#include "store/TerminFile.h"
#include "ui_DetailPages.h"
#include "ui_MainForm.h"
#include "ui_OptionsFields.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <utility>

class QAction;
class QCheckBox;
class QMenu;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolButton;
class TBitBtnXP;
class TImageBtn;
class QTreeView;
class DateTreeModel;
class OverviewModel;
class HeadingPanel;
class TSpinEdit;
class ReminderCheck;
class ReminderAnswers;
class Clock;
class QDialog;
class TrayIcon;
class DesktopNotifier;
class FileWatch;
class EditingHold;
struct ShownTermin;
class FollowedTermin;

class TMainForm : public QMainWindow, private Ui::MainForm, private Ui::DetailPages, private Ui::OptionsFields {
    Q_OBJECT
public:
    // `programDir` is where "appointments.dat" lives; empty means the
    // executable's directory.
    explicit TMainForm(const QString &programDir = QString(), QWidget *parent = nullptr);
    ~TMainForm() override;

    // The reminder dialog is created after the main window and handed in.
    void setAnswerProvider(ReminderAnswers *answers, QDialog *dialog);

    // First showing: the first reminder check runs before the window
    // appears; the program's entry calls it ahead of show().
    void FormShow();
    // The close question; true when the window may close.
    bool FormCloseQuery();

    // Ends the program without the close question (tray "Quit").
    void QuitNow();
    bool isQuitting() const { return quitting_; }

    // Who ends the program decides how a failed last save is reported: to
    // the user in a box, or, with nobody there to close one, on standard
    // error and through the desktop's notification service. Either way the
    // store is kept in a side file (see UnsavedStore.h).
    enum class Ending {
        User,        // "Quit", or OK to the close question
        Signal,      // SIGTERM, SIGHUP, SIGINT
        Logout,      // the session manager ends the session
        DisplayLost, // the X server went away; Qt ends the process
    };
    // Ends the program at once whatever dialog is open: saves, removes the
    // tray icon and leaves every event loop.
    void EndNow(Ending why);
    // The last save while the process is already ending through exit():
    // saves without touching the display.
    void SaveAtExit();
    // Asked to end before the window was ready: no save, tray icon removed.
    void AbandonStart();
    // A save the session manager asked for (checkpoint, before a logout):
    // a failure is reported without a box. False when it failed.
    bool SaveForSession();
    // What the last failed final save reported; empty when it worked.
    QString lastEndingReport() const { return lastEndingReport_; }

    // The store and its file, for the commands a second start sends.
    DayGrid &grid() { return *grid_; }
    QString dataPath() const;
    TSettings settings() const;
    // The command line changed the store: the tree and list show it now.
    void ShowOutsideChange();
    // Brings the store to the file for a command the running copy carries
    // out: a failure is returned, never shown in a box.
    TerminFile::Outcome SaveForCommand();
    bool acceptsCommands() const { return !destroyed_; }
    // The reminder dialog (once made) and the check whose record it shows.
    const QDialog *reminderDialog() const { return reminderDialog_; }
    const ReminderCheck &reminderCheck() const;
    // Another start of the program asked to see this one: show, restore and bring to the front.
    void ShowAndRaise(const QByteArray &activationToken = QByteArray());

    // Tray callback: one of TrayIcon::MouseMessage; other numbers do nothing.
    void WMUser(int mouseMessage);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Who asked for a save decides how a failure is told (see syncFile).
    enum class SaveKind {
        Added,   // Add: the status bar, as the name editor takes the keys next
        User,    // Delete: a box
        Tick,    // the save timer: the status bar, retried every tick
        Outside, // the file changed on disk: the status bar
        Command, // a command from the command line: its answer
        Final,   // the last save before the program ends
    };
    // Program-level operations.
    void SaveTermins(SaveKind kind = SaveKind::User);
    void OpenTermins();
    void CheckTermins();
    void ShowAll();
    // Rebuilds the overview of the selected node; with Kept the list's
    // selected rows and current row stay as they were.
    enum class ListRows { Reset, Kept };
    void ShowInformation(ListRows rows = ListRows::Reset);
    // The overview of node `code` with rows `kept` selected, `current` the
    // current one: the list change runs once, for them.
    void showOverview(int code, const QList<std::pair<int, int>> &kept, int current);
    void restoreRows(const QList<std::pair<int, int>> &ranges, int current);
    bool IsTerminSelected();
    // The appointment the list shows as selected, or null.
    TTermin *selectedTermin() const;

    // Handlers.
    void FormCreate();
    void FormDestroy();
    void TreeView1Change();
    void UpBtnClick();
    void ListView1DblClick();
    void ListView1Change();
    void ListView1KeyDown(int key);
    void NameEdChange();
    void DescEdChange();
    void doneCheckClick();
    void hourChange();
    void minChange();
    void day1Change();
    void day2Change();
    void ClearLastBtnClick();
    void MinimiertCheckClick();
    void gminChange();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void AddTerminBtnClick();
    void DelTerminBtnClick();
    void ManTerminsBtnClick();
    void MinimizeBtnClick();
    void EndeBtnClick();
    void wwwBtnClick();
    void ueberbtnClick();
    void Anzeigen1Click();

    void buildLayout();
    void connectHandlers();
    // The detail panel (its "General" and "Reminder" pages) is made when an
    // appointment is first selected: a window that never shows one never
    // builds it. Until then its fields are null.
    void buildDetailPages();
    // The options page's fields are made when the page is first chosen;
    // the settings they edit live in settings_ from the start.
    void buildOptionsFields();
    void buildTrayMenu();
    void addTrayIcon();
    void showTrayMenu();
    void windowMenuRequested(const QPoint &pos);
    void trayAvailabilityChanged(bool available);
    bool showing() const;
    void followVisibility();
    void bringBack(const QByteArray &activationToken = QByteArray());
    void bringModalForward();
    // Reminders while the window is out of sight also go to the desktop's
    // notification service; 0 when none was posted.
    quint64 announceReminder(const QString &heading, const QString &name);
    DesktopNotifier &notifier();
    // Appointments that passed unreminded, while the program was not
    // running or the machine slept, are told once: at the first showing,
    // and when the clock jumped between two looks at it.
    void startWatchingTime();
    void lookAtClock();
    void tellMissed(double since, double now);
    void withdrawReminder(quint64 notice);
    void raiseReminder();
    void selectToday();
    void restartSaveTimer();
    void reportFileFailure(const TerminFile::Outcome &outcome);
    // Marks the window as ending, stops its timers and (unless told not to)
    // removes the tray icon; false when it was ending already.
    bool stopForEnding(bool removeTrayIcon);
    void finish(Ending why);
    void finalSave(Ending why);
    bool savedBeforeQuit();
    void reportUnattended(const QString &text);
    QString aboutDataFile(const QString &message) const;
    // The one way to the file: the file's outside changes come in, then
    // the store is written when the file lacks something of it.
    SyncResult syncFile(SaveKind kind);
    void showBrought(const SyncResult &r, const FollowedTermin &followed);
    void reportSyncFailure(SaveKind kind, const SyncResult &r);
    void lookAtFile(); // the file may have changed on disk
    void watchFile();
    bool unchangedSinceSave() const;
    void applySettings(const TSettings &s);
    int selectedCode() const;
    int firstSelectedRow() const;
    void selectCode(int code);
    void showNothingSelected();
    void centreSelectedNode();
    TTermin *resolveSelection();
    ShownTermin editorValues() const;
    void fillEditors(const ShownTermin &shown);
    QString timeText(double value) const;

    // Beside the form's controls: the models the two views show, the
    // timers and the tray menu's first entry, each named for tests and tools.
    QTabWidget *PageControl2 = nullptr; // the detail panel, once made
    QWidget *OptionsPicture = nullptr;  // the options page's picture panel
    DateTreeModel *TreeModel = nullptr;
    OverviewModel *ListModel = nullptr; // the rows ListView1 shows
    QTimer Timer1;                      // save timer
    QTimer Timer2;                      // check timer
    QTimer Timer3;                      // start-minimized timer
    QAction *Anzeigen1 = nullptr;       // first tray menu item, "Show" / "Hide"
    QTimer WakeWatch;                   // looks at the clock for a sleep of the machine
    QElapsedTimer sinceSeen_;           // does not advance while the machine sleeps
    double seenAt_ = 0;                 // the clock at the last look
    int seenLooks_ = 0;

    QString programDir_;
    std::unique_ptr<DayGrid> grid_;
    // The selected appointment, held by its place and looked up on every use:
    // a pointer would dangle once the day's records move or are removed.
    struct Place {
        int code = -1; // day node
        int row = -1;
    };
    Place selected_;
    bool shownOnce_ = false;
    bool keepSelectionCentred_ = false;
    bool destroyed_ = false;
    bool quitting_ = false;
    bool showRequested_ = false; // a second start asked to see the window
    bool reportOpen_ = false;
    QString *failureSink_ = nullptr; // set: file failures are collected, not shown
    QString lastEndingReport_;
    // The last time the file and the store agreed: the store's change
    // count and settings then, so that a tick finding neither changed nor
    // the file touched does nothing at all.
    struct SavedState {
        bool valid = false;
        uint64_t changes = 0;
        TSettings settings;
    };
    SavedState saved_;
    // The settings as the file and the options page know them: the page
    // shows and edits these, and whoever needs them reads them here, made or not.
    TSettings settings_;
    std::unique_ptr<StoreFile> file_;
    std::unique_ptr<FileWatch> watch_;
    class Answers;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Answers> answers_;
    std::unique_ptr<ReminderCheck> check_;
    std::unique_ptr<EditingHold> hold_; // the appointment being typed into waits for its reminder
    QDialog *reminderDialog_ = nullptr;
    std::unique_ptr<QMenu> trayMenu_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<DesktopNotifier> notifier_;
};
