#pragma once
// A spin editor for whole numbers whose bounds apply to what the program
// and the arrows set, while typing may briefly leave them: a typed value
// outside the bounds stays visible (and is reported through valueChanged)
// until the editor loses the focus, when it is replaced by the nearest
// bound. Handlers that must never store an out-of-range value check
// inBounds(). Without bounds (the default) any int is allowed.
//
// The wheel turns only a field the user has clicked or tabbed into: one
// the pointer merely passes while scrolling stays as it is.

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

    // Shows `text` in place of the value, read-only, for a stored value the
    // field cannot hold; an empty text shows the value and allows editing.
    void showFixedText(const QString &text);
    QString fixedText() const { return fixed_; }

    // An hour field's minutes: a ":" or "." typed in the hour moves on to
    // them, so "7:30" typed as a person writes a time fills both fields.
    void setMinutesField(TSpinEdit *minutes) { minutes_ = minutes; }

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    QString textFromValue(int value) const override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int clamp(int v) const { return v < min_ ? min_ : (v > max_ ? max_ : v); }

    int min_ = INT_MIN;
    int max_ = INT_MAX;
    QString fixed_;
    TSpinEdit *minutes_ = nullptr;
};
