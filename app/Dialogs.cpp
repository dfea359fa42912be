#include "app/Dialogs.h"

#include <QApplication>

namespace Dialogs {

const char *const AppTitle = "Kalvix 1.0";

namespace {
Hook &hook()
{
    static Hook h;
    return h;
}
} // namespace

void SetHook(Hook h)
{
    hook() = std::move(h);
}

QMessageBox::StandardButton Ask(QWidget *parent, const QString &text, const QString &caption,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    if (hook())
        return hook()(caption, text);
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowError(QWidget *parent, const QString &text)
{
    Ask(parent, text, QStringLiteral("Error"), QMessageBox::Ok, QMessageBox::Critical);
}

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorReport(const QString &message)
{
    Ask(QApplication::activeWindow(), ErrorReportText(message), QString::fromLatin1(AppTitle), QMessageBox::Ok,
        QMessageBox::Critical);
}

} // namespace Dialogs
