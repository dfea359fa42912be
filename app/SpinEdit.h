#pragma once
// A spin editor for whole numbers whose bounds apply to what the program
// and the arrows set, while typing may briefly leave them: a typed value
// outside the bounds stays visible (and is reported through valueChanged)
// until the editor loses the focus, when it is replaced by the nearest
// bound. Handlers that must never store an out-of-range value check
// inBounds(). Without bounds (the default) any int is allowed.

#include <QSpinBox>

#include <climits>

class TSpinEdit : public QSpinBox {
    Q_OBJECT
    // Set by the window forms, lower bound first, then the value.
    Q_PROPERTY(int lowerBound READ lowerBound WRITE setLowerBound)
    Q_PROPERTY(int upperBound READ upperBound WRITE setUpperBound)
public:
    explicit TSpinEdit(QWidget *parent = nullptr);

    void setBounds(int min, int max);
    void setLowerBound(int min) { setBounds(min, max_); }
    void setUpperBound(int max) { setBounds(min_, max); }
    int lowerBound() const { return min_; }
    int upperBound() const { return max_; }
    bool inBounds() const { return value() >= min_ && value() <= max_; }

    // Sets a value clamped into the bounds; the same value is no change.
    void setClampedValue(int v);

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int clamp(int v) const { return v < min_ ? min_ : (v > max_ ? max_ : v); }

    int min_ = INT_MIN;
    int max_ = INT_MAX;
};
