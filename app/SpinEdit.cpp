#include "app/SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

TSpinEdit::TSpinEdit(QWidget *parent) : QSpinBox(parent)
{
    // The widget itself accepts any int so a typed value can stand until the
    // focus leaves; the editor's own bounds are applied on top.
    setRange(INT_MIN, INT_MAX);
    setAccelerated(true);
    // Not Qt::WheelFocus: a wheel turned over the field must not give it
    // the focus and then the turn.
    setFocusPolicy(Qt::StrongFocus);
}

void TSpinEdit::setBounds(int min, int max)
{
    min_ = min;
    max_ = max;
    setClampedValue(value());
}

void TSpinEdit::setClampedValue(int v)
{
    setValue(clamp(v));
}

void TSpinEdit::stepBy(int steps)
{
    const long long target = static_cast<long long>(value()) + steps;
    setValue(clamp(static_cast<int>(target < INT_MIN ? INT_MIN : target > INT_MAX ? INT_MAX : target)));
    selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    StepEnabled e = StepNone;
    if (isReadOnly())
        return e;
    if (value() < max_)
        e |= StepUpEnabled;
    if (value() > min_)
        e |= StepDownEnabled;
    return e;
}

void TSpinEdit::focusOutEvent(QFocusEvent *event)
{
    QSpinBox::focusOutEvent(event); // commits the typed text
    if (!inBounds())
        setValue(clamp(value()));
}

void TSpinEdit::showFixedText(const QString &text)
{
    if (text == fixed_)
        return;
    fixed_ = text;
    setReadOnly(!fixed_.isEmpty());
    lineEdit()->setText(textFromValue(value()));
    lineEdit()->setCursorPosition(0); // a long number shows its first digits
}

QString TSpinEdit::textFromValue(int value) const
{
    return fixed_.isEmpty() ? QSpinBox::textFromValue(value) : fixed_;
}

void TSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (minutes_ && !isReadOnly() && (event->text() == QLatin1String(":") || event->text() == QLatin1String("."))) {
        // The hour is complete; the focus moving on commits it (bounds
        // applied) and selects the minutes, which the next keys replace.
        minutes_->setFocus(Qt::TabFocusReason);
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void TSpinEdit::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore(); // on to the parent, which may scroll
        return;
    }
    QSpinBox::wheelEvent(event);
}
