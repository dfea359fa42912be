#include "app/SpinEdit.h"

TSpinEdit::TSpinEdit(QWidget *parent) : QSpinBox(parent)
{
    // The widget itself accepts any int so a typed value can stand until the
    // focus leaves; the editor's own bounds are applied on top.
    setRange(INT_MIN, INT_MAX);
    setAccelerated(true);
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
