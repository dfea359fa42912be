#pragma once
// Every message box the program shows goes through here, so tests can
// script the answers and the error report has one home.

#include <QMessageBox>
#include <QString>

class QDialog;

#include <functional>

namespace Dialogs {

extern const char *const AppTitle; // KALVIX_TITLE, "Kalvix 1.0": caption of the error report

// Every modal window is modal to the program's main window only, never to
// the whole application: on X11 the notification-area icon is a top-level
// window of its own, and an application-modal box would leave it deaf to
// the mouse, so "Quit", "Show" and "About" could not be reached while a
// reminder or a question is open. The main window (and every window it
// owns) stays blocked as before.
//
// The owner is the main window; set it once it exists (and clear it with
// nullptr before it goes). It gets its native window at once, so a box
// shown before the main window first appears is still tied to it.
void SetModalOwner(QWidget *owner);
QWidget *ModalOwner();

// Makes `dialog` a window of the owner (unless it has a parent already)
// that blocks only the owner's windows. Persistent: later showings stay so.
void TieToOwner(QDialog &dialog);

// Runs `dialog` as a modal window tied as above; its result.
int ExecModal(QDialog &dialog);

// Shows a modal message box and returns the pressed button.
QMessageBox::StandardButton Ask(QWidget *parent, const QString &text, const QString &caption,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);

// As Ask, with buttons captioned as `captions` says (a choice whose
// standard captions would read wrongly, such as "Retry" / "Ignore").
QMessageBox::StandardButton Choose(QWidget *parent, const QString &text, const QString &caption,
                                   const QList<QPair<QMessageBox::StandardButton, QString>> &captions,
                                   QMessageBox::StandardButton escape, QMessageBox::Icon icon);

// Shows `text` with the information icon and the application title, and
// returns at once: the box waits beside the window and blocks nothing.
void Inform(QWidget *parent, const QString &text);

// The store's failures: caption "Error", error icon, OK.
void ShowError(QWidget *parent, const QString &text);

// The report for an error that escaped a handler: application title as
// caption, error icon, OK; a "." is appended when the text's last
// character sorts after ".".
void ShowErrorReport(const QString &message);
QString ErrorReportText(const QString &message);

// Tests replace the boxes: the hook receives caption and text and returns
// the button to answer with. Reset with an empty function.
using Hook = std::function<QMessageBox::StandardButton(const QString &caption, const QString &text)>;
void SetHook(Hook hook);

} // namespace Dialogs
