#pragma once
// The gauge in the status bar: a navy bar from the left edge across the
// given percentage of the panel's width. The program keeps it at 0.

#include <QWidget>

class StatusGauge : public QWidget {
    Q_OBJECT
public:
    explicit StatusGauge(QWidget *parent = nullptr);
    int percent() const { return percent_; }
    void setPercent(int percent);

    // The filled part for a panel rectangle; empty at 0 %.
    static QRect barRect(const QRect &panel, int percent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int percent_ = 0;
};
