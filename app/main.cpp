// Program entry: the application, the main window, the reminder dialog,
// then the message loop.
#include "app/AppPictures.h"
#include "app/CommandService.h"
#include "app/Dialogs.h"
#include "app/ExitSave.h"
#include "app/KalvixApplication.h"
#include "app/MainInstance.h"
#include "app/MainUnit.h"
#include "app/SettleLayout.h"
#include "app/StartupTrace.h"
#include "app/cli/CommandRun.h"
#include "app/sync/LiveMirror.h"
#include "platform/datafolder/DataFolder.h"
#include "platform/desktop/FontServiceWarmUp.h"
#include "platform/desktop/SessionClient.h"
#include "platform/desktop/TerminationRequests.h"
#include "platform/instance/SingleInstance.h"
#include "platform/notify/SessionBus.h"
#include "reminders/Clock.h"
#include "reminders/TerminFormOnDemand.h"
#include "store/StoreFile.h"

#include <cstdio>
#include <malloc.h>

int main(int argc, char *argv[])
{
    StartupTrace::Mark("main");
    // Help, the version, a mistake on the command line and the commands
    // that work on the store end here, before the window toolkit starts, so
    // they need no display.
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status;

    // From the first moment a request to end is only noted; each step of the
    // start below looks whether one came, and the running program ends with
    // its save. Nothing is saved before the window is ready: until then
    // nobody can have changed anything.
    TerminationRequests::CatchEarly();
#ifdef __GLIBC__
    // Each thread allocates from an arena of its own, which glibc grows a
    // page at a time, one system call each, unless it starts with room to
    // spare: the read of a big store on its thread made thousands of them.
    // The room is address space, not memory, until it is used.
    mallopt(M_TOP_PAD, 16 << 20);
#endif
    // The program joins the session itself (see SessionClient.h).
    const QByteArray sessionManager = SessionClient::TakeAddress();
    // Before Qt reaches for the bus (tray, accessibility): none is started.
    SessionBus::KeepFromAutolaunching();
    // Beside the application object, whose making needs no font. The
    // environment stays as it is until the thread is done: the font
    // library reads it there, and changing it meanwhile is not safe.
    FontServiceWarmUp fonts;
    // A big store in a program folder the user may write (the program as
    // installed per user) is read from here on, beside the application
    // object too; where the store lives elsewhere, it is read ahead once
    // the application object has told where.
    const QString programFolder = DataFolder::ExecutableFolder();
    if (!programFolder.isEmpty() && DataFolder::IsWritable(programFolder))
        StoreFile::ReadAhead(TerminFile::PathIn(DataFolder::For(programFolder)));
    KalvixApplication app(argc, argv);
    StartupTrace::Mark("application");
    fonts.Wait();
    StartupTrace::Mark("font configuration");
    SessionClient::PutBackAddress(sessionManager);
    TerminationRequests termination;
    TMainForm *ready = nullptr;
    QObject::connect(&termination, &TerminationRequests::requested, &app, [&ready] {
        if (ready)
            ready->EndNow(TMainForm::Ending::Signal);
        else
            QCoreApplication::exit(0); // a box of the start gives way at once
    });

    const DataFolder::Choice folder = ChooseDataFolder();
    const QString &dataFolder = folder.folder;
    // Decided before the main window exists: a second start for the same
    // data file must not read, write or add a tray icon. Declared first, the
    // lock outlives the main window and its final save.
    SingleInstance instance(TerminFile::PathIn(dataFolder));
    if (const std::optional<int> status = ClaimDataFile(instance))
        return *status;
    if (TerminationRequests::Pending())
        return 0;
    StartupTrace::Mark("data file claimed");
    // A big store is read while the window is built (unless that began
    // above); the window's Load takes it over.
    StoreFile::ReadAhead(TerminFile::PathIn(dataFolder));
    // The X server going away ends the process inside Qt with exit(1): save
    // there once the window is ready (without the display), and give up the
    // data file in any case.
    ExitSave atExit([&ready, &instance] {
        if (ready)
            ready->SaveAtExit();
        instance.release();
    });
    AppPictures::init();
    QApplication::setWindowIcon(AppPictures::windowIcon());
    StartupTrace::Mark("pictures");

    TMainForm mainForm(dataFolder);
    if (TerminationRequests::Pending()) {
        mainForm.AbandonStart();
        return 0;
    }
    // From here on "kalvix add" and the like are carried out by this copy.
    CommandService commands(mainForm, instance);
    // The calendar folder mirror, when one is set for this data file.
    SystemClock mirrorClock;
    LiveMirror mirror(mainForm, mirrorClock);
    commands.setMirror(&mirror);
    QObject::connect(&instance, &SingleInstance::showRequested, &mainForm, &TMainForm::ShowAndRaise);
    TerminFormOnDemand reminders(&mainForm, [&mainForm, &reminders](QDialog &dialog) {
        mainForm.setAnswerProvider(&reminders, &dialog);
    });
    mainForm.setAnswerProvider(&reminders, nullptr);
    ready = &mainForm;
    StartupTrace::Mark("reminder dialog");

    SessionClient session({
        [&mainForm] { return mainForm.SaveForSession(); },
        [&mainForm] { return mainForm.FormCloseQuery(); },
        [&mainForm] { mainForm.EndNow(TMainForm::Ending::Logout); },
    });
    session.connectTo(sessionManager);
    StartupTrace::Mark("session");

    // Reminders due at start come before the main window appears. "Quit"
    // or a request to end while they are open ends the program right here.
    mainForm.FormShow();
    if (mainForm.isQuitting())
        return 0;
    if (TerminationRequests::Pending()) {
        mainForm.EndNow(TMainForm::Ending::Signal);
        return 0;
    }
    StartupTrace::Mark("first check");
    mainForm.show();
    SettleLayout::Now();
    StartupTrace::Mark("shown");
    StartupTrace::FlushAfterFirstPaint(&mainForm);
    // What the start had to work around, told once and without holding up
    // the window, the tray or commands: a later start has nothing to tell.
    const QString notices = QStringList{folder.notice, instance.key().socketNotice}.join(QLatin1Char('\n')).trimmed();
    if (!notices.isEmpty()) {
        std::fprintf(stderr, "kalvix: %s\n", qUtf8Printable(notices));
        Dialogs::Inform(&mainForm, notices);
    }
    return app.exec();
}
