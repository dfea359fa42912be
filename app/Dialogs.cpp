#include "app/Dialogs.h"

#include "KalvixProduct.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace Dialogs {

const char *const AppTitle = KALVIX_TITLE;

namespace {
Hook &hook()
{
    static Hook h;
    return h;
}

QPointer<QWidget> &owner()
{
    static QPointer<QWidget> o;
    return o;
}
} // namespace

void SetModalOwner(QWidget *w)
{
    owner() = w;
    if (w)
        w->winId(); // transient parents need the owner's native window
}

QWidget *ModalOwner()
{
    return owner();
}

void TieToOwner(QDialog &dialog)
{
    // A box opened from another modal window belongs to that one, so it
    // stacks above it; the chain still ends at the owner.
    if (!dialog.parentWidget()) {
        QWidget *parent = QApplication::activeModalWidget();
        if (!parent || parent == &dialog)
            parent = owner();
        if (parent)
            dialog.setParent(parent, dialog.windowFlags());
    }
    dialog.setWindowModality(Qt::WindowModal);
}

int ExecModal(QDialog &dialog)
{
    TieToOwner(dialog);
    return dialog.exec();
}

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
    return static_cast<QMessageBox::StandardButton>(ExecModal(box));
}

QMessageBox::StandardButton Choose(QWidget *parent, const QString &text, const QString &caption,
                                   const QList<QPair<QMessageBox::StandardButton, QString>> &captions,
                                   QMessageBox::StandardButton escape, QMessageBox::Icon icon)
{
    if (hook())
        return hook()(caption, text);
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    for (const auto &[button, label] : captions) {
        box.addButton(button);
        box.button(button)->setText(label);
    }
    box.setDefaultButton(captions.isEmpty() ? QMessageBox::NoButton : captions.front().first);
    box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(ExecModal(box));
}

void Inform(QWidget *parent, const QString &text)
{
    if (hook()) {
        hook()(QString::fromLatin1(AppTitle), text);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Information, QString::fromLatin1(AppTitle), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void ShowError(QWidget *parent, const QString &text)
{
    Ask(parent, text, QCoreApplication::translate("Dialogs", "Error"), QMessageBox::Ok, QMessageBox::Critical);
}

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorReport(const QString &message)
{
    // Above whichever modal window is open, else the main window: whatever
    // window happened to be active, the report blocks the main window.
    Ask(nullptr, ErrorReportText(message), QString::fromLatin1(AppTitle), QMessageBox::Ok, QMessageBox::Critical);
}

} // namespace Dialogs
