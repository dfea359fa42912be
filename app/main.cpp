// Program entry: the application, the main window, the reminder dialog,
// then the message loop.
#include "app/AppPictures.h"
#include "app/KalvixApplication.h"
#include "app/MainInstance.h"
#include "app/MainUnit.h"
#include "platform/desktop/TerminationRequests.h"
#include "platform/instance/SingleInstance.h"
#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

int main(int argc, char *argv[])
{
    KalvixApplication app(argc, argv);
    // Decided before the main window exists: a second start for the same
    // data file must not read, write or add a tray icon. Declared first, the
    // lock outlives the main window and its final save.
    SingleInstance instance(TerminFile::PathIn(QCoreApplication::applicationDirPath()));
    if (const std::optional<int> status = ClaimDataFile(instance))
        return *status;
    AppPictures::init();
    QApplication::setWindowIcon(AppPictures::applicationIcon());

    TMainForm mainForm;
    QObject::connect(&instance, &SingleInstance::showRequested, &mainForm, &TMainForm::ShowAndRaise);
    TTerminForm terminForm;
    TerminFormAnswers answers(terminForm);
    mainForm.setAnswerProvider(&answers, &terminForm);

    // Logout and shutdown end the program as "Quit" does, saving first.
    TerminationRequests termination;
    QObject::connect(&termination, &TerminationRequests::requested, &mainForm, &TMainForm::QuitNow);

    // Reminders due at start come before the main window appears. "Quit"
    // chosen while they are open ends the program right here.
    mainForm.FormShow();
    if (mainForm.isQuitting())
        return 0;
    mainForm.show();
    return app.exec();
}
