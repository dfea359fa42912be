#pragma once
// Marks the time a window builds its controls from its definition (its
// "form"). While a FormLoading object for a window lives, a standard kind set
// on a button inside that window keeps the caption the form gave the button
// before the kind; outside it, setting a kind always brings the kind's own
// caption. Windows build their controls inside one:
//
//     TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
//     {
//         FormLoading loading(this);
//         ... create and set up the controls ...
//     }
//
// Scopes nest; the outermost one ends the loading.

#include <QPointer>
#include <QWidget>

class FormLoading {
public:
    explicit FormLoading(QWidget *window);
    ~FormLoading();
    FormLoading(const FormLoading &) = delete;
    FormLoading &operator=(const FormLoading &) = delete;

    // Whether `w` or one of its parents is being loaded right now.
    static bool Active(const QWidget *w);

private:
    QPointer<QWidget> window_;
    bool previous_ = false;
};
