// Program entry: the application, the main window, the reminder dialog,
// then the message loop.
#include "app/AppPictures.h"
#include "app/KalvixApplication.h"
#include "app/MainUnit.h"
#include "reminders/TerminFUnit.h"
#include "reminders/TerminFormAnswers.h"

int main(int argc, char *argv[])
{
    KalvixApplication app(argc, argv);
    AppPictures::init();
    QApplication::setWindowIcon(AppPictures::applicationIcon());

    TMainForm mainForm;
    TTerminForm terminForm;
    TerminFormAnswers answers(terminForm);
    mainForm.setAnswerProvider(&answers, &terminForm);

    // Reminders due at start come before the main window appears.
    mainForm.FormShow();
    mainForm.show();
    return app.exec();
}
