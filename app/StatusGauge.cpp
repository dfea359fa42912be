#include "app/StatusGauge.h"

#include <QPainter>
#include <qdrawutil.h>

StatusGauge::StatusGauge(QWidget *parent) : QWidget(parent)
{
    setFixedWidth(50);
}

void StatusGauge::setPercent(int percent)
{
    percent = qBound(0, percent, 100);
    if (percent == percent_)
        return;
    percent_ = percent;
    update();
}

QRect StatusGauge::barRect(const QRect &panel, int percent)
{
    return QRect(panel.left(), panel.top(), panel.width() * qBound(0, percent, 100) / 100, panel.height());
}

void StatusGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A sunken panel like its neighbour, the gauge inside the bevel.
    qDrawShadePanel(&p, rect(), palette(), true, 1);
    const QRect bar = barRect(rect().adjusted(1, 1, -1, -1), percent_);
    if (bar.width() <= 0)
        return;
    const QColor navy(0, 0, 128);
    p.setPen(navy);
    p.setBrush(navy);
    p.drawRect(bar.adjusted(0, 0, -1, -1));
}
