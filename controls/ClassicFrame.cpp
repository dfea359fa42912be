#include "controls/ClassicFrame.h"

#include "controls/SystemColors.h"

#include <QPainter>
#include <QPolygon>

namespace {
// One bevel ring: top and left edges in topLeft, bottom and right in
// bottomRight (which owns both corners it touches, as on the classic desktop).
void ring(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}
} // namespace

namespace ClassicFrame {

void DrawButtonFrame(QPainter &painter, QRect &r, int flags)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (flags & Pushed) {
        ring(painter, r, SystemColors::ButtonShadow(), SystemColors::ButtonHighlight());
        ring(painter, inner, SystemColors::DarkShadow(), SystemColors::ButtonLight());
    } else {
        ring(painter, r, SystemColors::ButtonHighlight(), SystemColors::DarkShadow());
        ring(painter, inner, SystemColors::ButtonLight(), SystemColors::ButtonShadow());
    }
    r.adjust(2, 2, -2, -2);
    if (r.width() > 0 && r.height() > 0)
        painter.fillRect(r, SystemColors::ButtonFace());
    painter.restore();
}

void DrawFocusRect(QPainter &painter, const QRect &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    QPolygon dots;
    auto dot = [&dots](int x, int y) {
        if (((x + y) & 1) == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPoints(dots);
    painter.restore();
}

} // namespace ClassicFrame
