// Bringing the running copy forward when the program is started again.
#include "app/MainInstance.h"

#include "KalvixProduct.h"
#include "app/Dialogs.h"
#include "app/MainUnit.h"
#include "platform/instance/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void TMainForm::ShowAndRaise(const QByteArray &activationToken)
{
    // Someone started the program to see it: a pending hide of "Start
    // program minimized" would take the window away again at once, also one
    // still to come after the reminders of the first showing.
    Timer3.stop();
    showRequested_ = true;
    bringBack(activationToken);
}

std::optional<int> ClaimDataFile(SingleInstance &instance)
{
    switch (instance.claim()) {
    case SingleInstance::Role::Owner:
        return std::nullopt;
    case SingleInstance::Role::HandedOver:
        return 0;
    case SingleInstance::Role::Unreachable:
        break;
    case SingleInstance::Role::Blocked:
        Dialogs::Ask(nullptr,
                     instance.problem()
                         + QCoreApplication::translate("TMainForm", "\n\nThis start ends without changing anything."),
                     QString::fromLatin1(Dialogs::AppTitle), QMessageBox::Ok, QMessageBox::Critical);
        return 1;
    }
    const QString folder = QDir::toNativeSeparators(QFileInfo(instance.key().dataPath).absolutePath());
    Dialogs::Ask(nullptr,
                 QCoreApplication::translate("TMainForm",
                                             "%1 is already running with the appointments in \"%2\", but it does not "
                                             "answer.\n\nThis start ends without changing anything. If the running "
                                             "program stays unresponsive, end it and start %1 again.")
                     .arg(QStringLiteral(KALVIX_NAME), folder),
                 QString::fromLatin1(Dialogs::AppTitle), QMessageBox::Ok, QMessageBox::Critical);
    return 1;
}
