#pragma once
// Every message box the program shows goes through here, so tests can
// script the answers and the error report has one home.

#include <QMessageBox>
#include <QString>

#include <functional>

namespace Dialogs {

extern const char *const AppTitle; // "Kalvix 1.0": caption of the error report

// Shows a modal message box and returns the pressed button.
QMessageBox::StandardButton Ask(QWidget *parent, const QString &text, const QString &caption,
                                QMessageBox::StandardButtons buttons, QMessageBox::Icon icon);

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
