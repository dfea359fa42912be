#include "app/KalvixApplication.h"

#include "KalvixProduct.h"
#include "app/Dialogs.h"
#include "resources/translations/Translations.h"

#include <exception>

KalvixApplication::KalvixApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral(KALVIX_COMMAND));
    setDesktopFileName(QStringLiteral(KALVIX_COMMAND));
    setQuitOnLastWindowClosed(false);
    Translations::Install(*this);
}

bool KalvixApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Dialogs::ShowErrorReport(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Dialogs::ShowErrorReport(QCoreApplication::translate("KalvixApplication", "Unknown error"));
    }
    return false;
}
